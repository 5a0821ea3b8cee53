<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AnswerModel</name>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Rede</translation>
    </message>
    <message>
        <source>Mask</source>
        <translation>Máscara</translation>
    </message>
    <message>
        <source>First usable</source>
        <translation>Primeiro utilizável</translation>
    </message>
    <message>
        <source>First address</source>
        <translation>Primeiro endereço</translation>
    </message>
    <message>
        <source>Last usable</source>
        <translation>Último utilizável</translation>
    </message>
    <message>
        <source>Last address</source>
        <translation>Último endereço</translation>
    </message>
    <message>
        <source>Broadcast</source>
        <translation>Broadcast</translation>
    </message>
    <message>
        <source>Usable hosts</source>
        <translation>Hosts utilizáveis</translation>
    </message>
    <message>
        <source>/64 networks</source>
        <translation>Redes /64</translation>
    </message>
    <message>
        <source>Unused hosts</source>
        <translation>Hosts não usados</translation>
    </message>
    <message>
        <source>Unused /64s</source>
        <translation>/64 não usadas</translation>
    </message>
    <message>
        <source>Free</source>
        <translation>Livre</translation>
    </message>
    <message>
        <source>Network %1</source>
        <translation>Rede %1</translation>
    </message>
    <message>
        <source>all</source>
        <translation>todos</translation>
    </message>
</context>
<context>
    <name>Ipv6SubnetList</name>
    <message>
        <source>%1 subnets of /%2 in %3</source>
        <translation>%1 sub-redes /%2 em %3</translation>
    </message>
    <message>
        <source>; the first %1 are listed, %2 more are not</source>
        <translation>; as primeiras %1 estão listadas, outras %2 não</translation>
    </message>
</context>
<context>
    <name>Ipv6Texts</name>
    <message>
        <source>Type an IPv6 address, with /length if you like.</source>
        <translation>Digite um endereço IPv6, com /comprimento se quiser.</translation>
    </message>
    <message>
        <source>zone indexes such as %1 are not part of an address</source>
        <translation>índices de zona como %1 não fazem parte de um endereço</translation>
    </message>
    <message>
        <source>This is an IPv4 address; the Subnet Calculator tab takes IPv4.</source>
        <translation>Este é um endereço IPv4; a aba Calculadora de sub-redes aceita IPv4.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a hex digit</source>
        <translation>&apos;%1&apos; não é um dígito hexadecimal</translation>
    </message>
    <message>
        <source>three or more colons in a row</source>
        <translation>três ou mais dois-pontos seguidos</translation>
    </message>
    <message>
        <source>more than one &apos;::&apos;</source>
        <translation>mais de um &apos;::&apos;</translation>
    </message>
    <message>
        <source>it starts with a single &apos;:&apos;</source>
        <translation>começa com um único &apos;:&apos;</translation>
    </message>
    <message>
        <source>it ends with a single &apos;:&apos;</source>
        <translation>termina com um único &apos;:&apos;</translation>
    </message>
    <message>
        <source>a dotted IPv4 part may only end the address</source>
        <translation>uma parte IPv4 com pontos só pode terminar o endereço</translation>
    </message>
    <message>
        <source>the dotted IPv4 part is not four numbers</source>
        <translation>a parte IPv4 com pontos não tem quatro números</translation>
    </message>
    <message>
        <source>the dotted IPv4 part has a number with a leading zero</source>
        <translation>a parte IPv4 com pontos tem um número com zero à esquerda</translation>
    </message>
    <message>
        <source>the dotted IPv4 part has a number above 255</source>
        <translation>a parte IPv4 com pontos tem um número acima de 255</translation>
    </message>
    <message numerus="yes">
        <source>%n group(s) and no &apos;::&apos;; an address has 8</source>
        <translation>
            <numerusform>%n grupo e nenhum &apos;::&apos;; um endereço tem 8</numerusform>
            <numerusform>%n grupos e nenhum &apos;::&apos;; um endereço tem 8</numerusform>
        </translation>
    </message>
    <message>
        <source>more than 8 groups</source>
        <translation>mais de 8 grupos</translation>
    </message>
    <message>
        <source>&apos;::&apos; beside 8 groups stands for none</source>
        <translation>&apos;::&apos; ao lado de 8 grupos não representa nenhum</translation>
    </message>
    <message>
        <source>no prefix length after &apos;/&apos;</source>
        <translation>nenhum comprimento de prefixo após &apos;/&apos;</translation>
    </message>
    <message>
        <source>the prefix length is not a number</source>
        <translation>o comprimento do prefixo não é um número</translation>
    </message>
    <message>
        <source>the prefix length has a leading zero</source>
        <translation>o comprimento do prefixo tem zero à esquerda</translation>
    </message>
    <message>
        <source>the prefix length is above 128</source>
        <translation>o comprimento do prefixo passa de 128</translation>
    </message>
    <message>
        <source>bits are set beyond the prefix length</source>
        <translation>há bits ligados além do comprimento do prefixo</translation>
    </message>
    <message>
        <source>Not an IPv6 address: %1 (at character %2).</source>
        <translation>Não é um endereço IPv6: %1 (no caractere %2).</translation>
    </message>
    <message>
        <source>%1 (2^%2)</source>
        <translation>%1 (2^%2)</translation>
    </message>
    <message>
        <source>Global unicast; the network reaches into special-purpose blocks</source>
        <translation>Unicast global; a rede alcança blocos de uso especial</translation>
    </message>
    <message>
        <source>Global unicast</source>
        <translation>Unicast global</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <translation>%1, %2, %3</translation>
    </message>
    <message>
        <source>; the network reaches beyond this block</source>
        <translation>; a rede vai além deste bloco</translation>
    </message>
    <message>
        <source>IPv4-mapped: %1</source>
        <translation>IPv4 mapeado: %1</translation>
    </message>
    <message>
        <source>6to4: %1</source>
        <translation>6to4: %1</translation>
    </message>
    <message>
        <source>Teredo: server %1, client %2, port %3</source>
        <translation>Teredo: servidor %1, cliente %2, porta %3</translation>
    </message>
    <message>
        <source>NAT64: %1</source>
        <translation>NAT64: %1</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nenhum</translation>
    </message>
    <message>
        <source> (/%1 is not on a nibble boundary; this is the zone of /%2)</source>
        <translation> (/%1 não está num limite de nibble; esta é a zona de /%2)</translation>
    </message>
    <message>
        <source>No network follows %1: it ends the address space.</source>
        <translation>Nenhuma rede vem depois de %1: ela encerra o espaço de endereços.</translation>
    </message>
    <message>
        <source>No network comes before %1: it starts the address space.</source>
        <translation>Nenhuma rede vem antes de %1: ela inicia o espaço de endereços.</translation>
    </message>
    <message numerus="yes">
        <source>group %1 has %n digit(s)</source>
        <translation>
            <numerusform>o grupo %1 tem %n dígito</numerusform>
            <numerusform>o grupo %1 tem %n dígitos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>NeedsModel</name>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>/64 networks or /n</source>
        <translation>Redes /64 ou /n</translation>
    </message>
    <message>
        <source>Hosts or /n</source>
        <translation>Hosts ou /n</translation>
    </message>
    <message>
        <source>How many /64 networks the need takes, or /n for a network of prefix length n</source>
        <translation>Quantas redes /64 a necessidade ocupa, ou /n para uma rede de prefixo n</translation>
    </message>
    <message>
        <source>How many usable host addresses the need takes, or /n for a network of prefix length n</source>
        <translation>Quantos endereços de host utilizáveis a necessidade ocupa, ou /n para uma rede de prefixo n</translation>
    </message>
</context>
<context>
    <name>OctetBoxRow</name>
    <message>
        <source>%1, octet %2 of %3</source>
        <extracomment>An octet box&apos;s accessible name: %1 the address it is part of, %2 its place, %3 the count.</extracomment>
        <translation>%1, octeto %2 de %3</translation>
    </message>
</context>
<context>
    <name>PlanCommandBar</name>
    <message>
        <source>New</source>
        <translation>Novo</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Abrir…</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Salvar como…</translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation>Exportar CSV…</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Refazer</translation>
    </message>
    <message>
        <source>Open Plan</source>
        <translation>Abrir plano</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Desfazer: %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Refazer: %1</translation>
    </message>
    <message>
        <source>Recent plans</source>
        <translation>Planos recentes</translation>
    </message>
    <message>
        <source>plan</source>
        <translation>plano</translation>
    </message>
    <message>
        <source>Save Plan As</source>
        <translation>Salvar plano como</translation>
    </message>
    <message>
        <source>Save Plan</source>
        <translation>Salvar plano</translation>
    </message>
    <message>
        <source>Export Answer as CSV</source>
        <translation>Exportar resultado como CSV</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exportar CSV</translation>
    </message>
    <message>
        <source>The plan has unsaved changes. Save them?</source>
        <translation>O plano tem alterações não salvas. Salvá-las?</translation>
    </message>
    <message>
        <source>The plan %1 has unsaved changes. Save them?</source>
        <translation>O plano %1 tem alterações não salvas. Salvá-las?</translation>
    </message>
    <message>
        <source>Planner</source>
        <translation>Planejador</translation>
    </message>
    <message>
        <source>Untitled plan</source>
        <translation>Plano sem título</translation>
    </message>
    <message>
        <source>%1 (unsaved)</source>
        <translation>%1 (não salvo)</translation>
    </message>
    <message>
        <source>No recent plans</source>
        <translation>Nenhum plano recente</translation>
    </message>
</context>
<context>
    <name>PlanDocument</name>
    <message>
        <source>Parent network</source>
        <translation>Rede de origem</translation>
    </message>
    <message>
        <source>Way to divide</source>
        <translation>Forma de dividir</translation>
    </message>
    <message>
        <source>Split length</source>
        <translation>Comprimento da divisão</translation>
    </message>
    <message>
        <source>Number of networks</source>
        <translation>Número de redes</translation>
    </message>
    <message>
        <source>Two-host links</source>
        <translation>Enlaces de dois hosts</translation>
    </message>
    <message>
        <source>Edit need</source>
        <translation>Editar necessidade</translation>
    </message>
    <message>
        <source>Move need</source>
        <translation>Mover necessidade</translation>
    </message>
    <message numerus="yes">
        <source>Add %n need(s)</source>
        <translation>
            <numerusform>Adicionar %n necessidade</numerusform>
            <numerusform>Adicionar %n necessidades</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Remove %n need(s)</source>
        <translation>
            <numerusform>Remover %n necessidade</numerusform>
            <numerusform>Remover %n necessidades</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PlanFiles</name>
    <message>
        <source>%1 was not opened.
%2</source>
        <translation>%1 não foi aberto.
%2</translation>
    </message>
    <message>
        <source>The networks stored in %1 are not the ones its plan gives (%2). The plan&apos;s own are shown.</source>
        <translation>As redes salvas em %1 não são as que o plano gera (%2). As do plano são mostradas.</translation>
    </message>
    <message>
        <source>The plan was not saved: &apos;%1&apos; is not a network yet.</source>
        <translation>O plano não foi salvo: “%1” ainda não é uma rede.</translation>
    </message>
    <message>
        <source>The plan</source>
        <translation>O plano</translation>
    </message>
    <message>
        <source>The answer</source>
        <translation>O resultado</translation>
    </message>
    <message>
        <source>Address plans (*.%1);;All files (*)</source>
        <translation>Planos de endereços (*.%1);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Arquivos CSV (*.csv);;Todos os arquivos (*)</translation>
    </message>
</context>
<context>
    <name>PlanPicture</name>
    <message>
        <source>No plan to draw.</source>
        <translation>Nenhum plano para desenhar.</translation>
    </message>
    <message>
        <source>Addresses run from left to right, lowest first; hatched blocks are free.</source>
        <translation>Os endereços vão da esquerda para a direita, do menor ao maior; blocos hachurados estão livres.</translation>
    </message>
    <message>
        <source>free</source>
        <translation>livre</translation>
    </message>
    <message>
        <source>Free</source>
        <translation>Livre</translation>
    </message>
    <message numerus="yes">
        <source>%n block(s) too small to draw to scale are drawn %1 pixels wide, marked with a dot.</source>
        <translation>
            <numerusform>%n bloco pequeno demais para a escala é desenhado com %1 pixels de largura, marcado com um ponto.</numerusform>
            <numerusform>%n blocos pequenos demais para a escala são desenhados com %1 pixels de largura, marcados com um ponto.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PlanTexts</name>
    <message>
        <source>Type the network to divide, as 10.0.0.0/24, 10.0.0.0 255.255.255.0 or 2001:db8::/48.</source>
        <translation>Digite a rede a dividir, como 10.0.0.0/24, 10.0.0.0 255.255.255.0 ou 2001:db8::/48.</translation>
    </message>
    <message>
        <source>Not a network: write an address and its prefix length or mask.</source>
        <translation>Não é uma rede: escreva um endereço e o comprimento do prefixo ou a máscara.</translation>
    </message>
    <message>
        <source>Not a network: a number with a leading zero is ambiguous.</source>
        <translation>Não é uma rede: um número com zero à esquerda é ambíguo.</translation>
    </message>
    <message>
        <source>Not a network: a part of the address is too large.</source>
        <translation>Não é uma rede: uma parte do endereço é grande demais.</translation>
    </message>
    <message>
        <source>Not a network: the prefix length is not one the address family allows.</source>
        <translation>Não é uma rede: a família de endereços não permite esse comprimento de prefixo.</translation>
    </message>
    <message>
        <source>Not a network: a mask has its one bits first, with no gap.</source>
        <translation>Não é uma rede: uma máscara tem os bits 1 primeiro, sem lacunas.</translation>
    </message>
    <message>
        <source>Not a network: the address has bits set beyond the prefix length.</source>
        <translation>Não é uma rede: o endereço tem bits ligados além do comprimento do prefixo.</translation>
    </message>
    <message>
        <source>Not a network: a zone index (%) names a link, not a network.</source>
        <translation>Não é uma rede: um índice de zona (%) identifica um enlace, não uma rede.</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>linha %1</translation>
    </message>
    <message>
        <source>more than </source>
        <translation>mais de </translation>
    </message>
    <message>
        <source>Does not fit: %1 addresses missing in %2.</source>
        <translation>Não cabe: faltam %1 endereços em %2.</translation>
    </message>
    <message>
        <source>Does not fit: %1 addresses missing in %2; %3 is the first need with no room left.</source>
        <translation>Não cabe: faltam %1 endereços em %2; %3 é a primeira necessidade sem espaço.</translation>
    </message>
    <message>
        <source>%1 asks for /%2, longer than an %3 address.</source>
        <translation>%1 pede /%2, mais longo que um endereço %3.</translation>
    </message>
    <message>
        <source>/%1 is longer than an %2 address.</source>
        <translation>/%1 é mais longo que um endereço %2.</translation>
    </message>
    <message>
        <source>Split into how many networks? At least one.</source>
        <translation>Dividir em quantas redes? Pelo menos uma.</translation>
    </message>
    <message>
        <source>That makes more than %1 networks; choose fewer.</source>
        <translation>Isso dá mais de %1 redes; escolha menos.</translation>
    </message>
    <message>
        <source>%1 in %2: %3 of %4 addresses allocated (%5 %).</source>
        <translation>%1 em %2: %3 de %4 endereços alocados (%5 %).</translation>
    </message>
    <message>
        <source>Line %1: “%2” is not a size (a number, or /n for a prefix length).</source>
        <translation>Linha %1: “%2” não é um tamanho (um número, ou /n para um comprimento de prefixo).</translation>
    </message>
    <message numerus="yes">
        <source>%n network(s)</source>
        <translation>
            <numerusform>%n rede</numerusform>
            <numerusform>%n redes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ReportFile</name>
    <message>
        <source>The report was saved as
%1
but no program could open it.</source>
        <translation>O relatório foi salvo como
%1
mas nenhum programa conseguiu abri-lo.</translation>
    </message>
    <message>
        <source>The EULA Is Unavailable At This Time

No program could open
%1</source>
        <translation>O EULA não está disponível no momento

Nenhum programa conseguiu abrir
%1</translation>
    </message>
    <message>
        <source>No web browser could open
%1</source>
        <translation>Nenhum navegador conseguiu abrir
%1</translation>
    </message>
    <message>
        <source>No folder was named to create.</source>
        <translation>Nenhuma pasta foi indicada para criar.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a file, not a folder.</source>
        <translation>&quot;%1&quot; é um arquivo, não uma pasta.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; cannot be created because &quot;%2&quot; is a file.</source>
        <translation>A pasta &quot;%1&quot; não pode ser criada porque &quot;%2&quot; é um arquivo.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; could not be created.</source>
        <translation>Não foi possível criar a pasta &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The documents folder is unknown, so the reports have no folder to go to.</source>
        <translation>A pasta de documentos é desconhecida; por isso os relatórios não têm onde ser salvos.</translation>
    </message>
    <message>
        <source>%1 could not be saved.
%2</source>
        <translation>Não foi possível salvar %1.
%2</translation>
    </message>
    <message>
        <source>%1 could not be saved to %2.
%3</source>
        <translation>Não foi possível salvar %1 em %2.
%3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not exist.</source>
        <translation>&quot;%1&quot; não existe.</translation>
    </message>
</context>
<context>
    <name>SpecialBlockNames</name>
    <message>
        <source>This network</source>
        <translation>Esta rede</translation>
    </message>
    <message>
        <source>This host on this network</source>
        <translation>Este host nesta rede</translation>
    </message>
    <message>
        <source>Private-Use</source>
        <translation>Uso privado</translation>
    </message>
    <message>
        <source>Shared Address Space</source>
        <translation>Espaço de endereços compartilhado</translation>
    </message>
    <message>
        <source>Loopback</source>
        <translation>Loopback</translation>
    </message>
    <message>
        <source>Link Local</source>
        <translation>Link local</translation>
    </message>
    <message>
        <source>IETF Protocol Assignments</source>
        <translation>Atribuições de protocolo da IETF</translation>
    </message>
    <message>
        <source>IPv4 Service Continuity Prefix</source>
        <translation>Prefixo de continuidade de serviço IPv4</translation>
    </message>
    <message>
        <source>IPv4 dummy address</source>
        <translation>Endereço IPv4 fictício</translation>
    </message>
    <message>
        <source>Port Control Protocol Anycast</source>
        <translation>Anycast do Port Control Protocol</translation>
    </message>
    <message>
        <source>Traversal Using Relays around NAT Anycast</source>
        <translation>Anycast do Traversal Using Relays around NAT</translation>
    </message>
    <message>
        <source>NAT64/DNS64 Discovery</source>
        <translation>Descoberta NAT64/DNS64</translation>
    </message>
    <message>
        <source>Documentation (TEST-NET-1)</source>
        <translation>Documentação (TEST-NET-1)</translation>
    </message>
    <message>
        <source>AS112-v4</source>
        <translation>AS112-v4</translation>
    </message>
    <message>
        <source>AMT</source>
        <translation>AMT</translation>
    </message>
    <message>
        <source>Deprecated (6to4 Relay Anycast)</source>
        <translation>Obsoleto (anycast de relay 6to4)</translation>
    </message>
    <message>
        <source>6a44-relay anycast address</source>
        <translation>Endereço anycast de relay 6a44</translation>
    </message>
    <message>
        <source>Direct Delegation AS112 Service</source>
        <translation>Serviço AS112 de delegação direta</translation>
    </message>
    <message>
        <source>Benchmarking</source>
        <translation>Testes de desempenho</translation>
    </message>
    <message>
        <source>Documentation (TEST-NET-2)</source>
        <translation>Documentação (TEST-NET-2)</translation>
    </message>
    <message>
        <source>Documentation (TEST-NET-3)</source>
        <translation>Documentação (TEST-NET-3)</translation>
    </message>
    <message>
        <source>Multicast</source>
        <translation>Multicast</translation>
    </message>
    <message>
        <source>Reserved</source>
        <translation>Reservado</translation>
    </message>
    <message>
        <source>Limited Broadcast</source>
        <translation>Broadcast limitado</translation>
    </message>
    <message>
        <source>Unspecified Address</source>
        <translation>Endereço não especificado</translation>
    </message>
    <message>
        <source>Loopback Address</source>
        <translation>Endereço de loopback</translation>
    </message>
    <message>
        <source>IPv4-mapped Address</source>
        <translation>Endereço IPv4 mapeado</translation>
    </message>
    <message>
        <source>IPv4-IPv6 Translat.</source>
        <translation>Tradução IPv4-IPv6</translation>
    </message>
    <message>
        <source>Discard-Only Address Block</source>
        <translation>Bloco de endereços para descarte</translation>
    </message>
    <message>
        <source>Dummy IPv6 Prefix</source>
        <translation>Prefixo IPv6 fictício</translation>
    </message>
    <message>
        <source>TEREDO</source>
        <translation>TEREDO</translation>
    </message>
    <message>
        <source>DNS-SD Service Registration Protocol Anycast Address</source>
        <translation>Endereço anycast do DNS-SD Service Registration Protocol</translation>
    </message>
    <message>
        <source>AS112-v6</source>
        <translation>AS112-v6</translation>
    </message>
    <message>
        <source>Deprecated (previously ORCHID)</source>
        <translation>Obsoleto (antes ORCHID)</translation>
    </message>
    <message>
        <source>ORCHIDv2</source>
        <translation>ORCHIDv2</translation>
    </message>
    <message>
        <source>Drone Remote ID Protocol Entity Tags (DETs) Prefix</source>
        <translation>Prefixo de etiquetas de entidade do Drone Remote ID (DETs)</translation>
    </message>
    <message>
        <source>Documentation</source>
        <translation>Documentação</translation>
    </message>
    <message>
        <source>6to4</source>
        <translation>6to4</translation>
    </message>
    <message>
        <source>Segment Routing (SRv6) SIDs</source>
        <translation>SIDs de roteamento por segmento (SRv6)</translation>
    </message>
    <message>
        <source>Unique-Local</source>
        <translation>Local único</translation>
    </message>
    <message>
        <source>Link-Local Unicast</source>
        <translation>Unicast link-local</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Ferol logo</source>
        <translation>Logotipo da Ferol</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Closes this dialog</source>
        <translation>Fecha esta janela</translation>
    </message>
    <message>
        <source>View DODA</source>
        <translation>Ver o DODA</translation>
    </message>
    <message>
        <source>Opens the license document</source>
        <translation>Abre o documento de licença</translation>
    </message>
    <message>
        <source>&amp;View DODA</source>
        <translation>&amp;Ver o DODA</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Sobre o %1</translation>
    </message>
    <message>
        <source>Ferol Subnet Calculator contains the following tools for IPv4 and IPv6:  Subnet Calculator, Wildcard Checker, Decimal IP Calculator, IPv6 Calculator.</source>
        <translation>Ferramentas para IPv4 e IPv6: Calculadora de sub-redes, Verificador de máscara curinga, Calculadora de IP decimal, Calculadora IPv6.</translation>
    </message>
    <message>
        <source>Copyright © 2026 Ferol. All rights reserved. This program is provided as is, without warranty of any kind.</source>
        <translation>Copyright © 2026 Ferol. Todos os direitos reservados. Este programa é fornecido no estado em que se encontra, sem garantia de qualquer tipo.</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versão %1</translation>
    </message>
</context>
<context>
    <name>frmWelcome2</name>
    <message>
        <source>Subnet Mask Calculator</source>
        <translation>Calculadora de máscara de sub-rede</translation>
    </message>
    <message>
        <source>Wildcard Mask Checker</source>
        <translation>Verificador de máscara curinga</translation>
    </message>
    <message>
        <source>Decimal IP Calculator</source>
        <translation>Calculadora de IP decimal</translation>
    </message>
    <message>
        <source>IPv6 Calculator</source>
        <translation>Calculadora IPv6</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>&amp;Subnet Mask Calculator</source>
        <translation>Calculadora de &amp;máscara de sub-rede</translation>
    </message>
    <message>
        <source>&amp;Wildcard Mask Checker</source>
        <translation>Verificador de máscara &amp;curinga</translation>
    </message>
    <message>
        <source>&amp;Decimal IP Calculator</source>
        <translation>Calculadora de IP &amp;decimal</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;More</source>
        <translation>&amp;Mais</translation>
    </message>
    <message>
        <source>Free &amp;Lumbra Demo (Network Simulator)</source>
        <translation>Demo gratuita do &amp;Lumbra (simulador de redes)</translation>
    </message>
    <message>
        <source>Free &amp;Orvat Demos (Practice Exams)</source>
        <translation>Demos gratuitas do &amp;Orvat (simulados)</translation>
    </message>
    <message>
        <source>Ferol&apos;s Free &amp;Utilities</source>
        <translation>&amp;Utilitários gratuitos da Ferol</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;juda</translation>
    </message>
    <message>
        <source>&amp;Ferol Home Page</source>
        <translation>Página inicial da &amp;Ferol</translation>
    </message>
    <message>
        <source>&amp;Contact Us</source>
        <translation>&amp;Fale conosco</translation>
    </message>
    <message>
        <source>&amp;About Subnet Calculator</source>
        <translation>&amp;Sobre a Calculadora de Sub-redes</translation>
    </message>
    <message>
        <source>Exit?</source>
        <translation>Sair?</translation>
    </message>
    <message>
        <source>Are you sure you want to exit?</source>
        <translation>Tem certeza de que deseja sair?</translation>
    </message>
    <message>
        <source>Ferol banner</source>
        <translation>Banner da Ferol</translation>
    </message>
    <message>
        <source>Shows the Ferol tab</source>
        <translation>Mostra a aba Ferol</translation>
    </message>
    <message>
        <source>Planner</source>
        <translation>Planejador</translation>
    </message>
</context>
<context>
    <name>ucDecimalCalc</name>
    <message>
        <source>IP address</source>
        <translation>Endereço IP</translation>
    </message>
    <message>
        <source>Changing an octet updates the decimal address</source>
        <translation>Alterar um octeto atualiza o endereço decimal</translation>
    </message>
    <message>
        <source>Example addresses button</source>
        <translation>Botão de endereços de exemplo</translation>
    </message>
    <message>
        <source>Opens and closes the list of example addresses</source>
        <translation>Abre e fecha a lista de endereços de exemplo</translation>
    </message>
    <message>
        <source>Example addresses</source>
        <translation>Endereços de exemplo</translation>
    </message>
    <message>
        <source>Up and Down fill in the highlighted address; Enter or Space picks it</source>
        <translation>Setas para cima e para baixo preenchem o endereço destacado; Enter ou Espaço o escolhe</translation>
    </message>
    <message>
        <source>Decimal address</source>
        <translation>Endereço decimal</translation>
    </message>
    <message>
        <source>Typing a number here updates the octets</source>
        <translation>Digitar um número aqui atualiza os octetos</translation>
    </message>
    <message>
        <source>What the decimal address is for</source>
        <translation>Para que serve o endereço decimal</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>Endereço IP</translation>
    </message>
    <message>
        <source>Decimal Address</source>
        <translation>Endereço decimal</translation>
    </message>
    <message>
        <source>We normally think of using an IP address to navigate to a Web  site. For example:
http://172.16.128.14

Alternatively, you can use the decimal equivalent to navigate to a Web site. For example:
http://2886762510
</source>
        <translation>Normalmente pensamos em usar um endereço IP para acessar um site. Por exemplo:
http://172.16.128.14

Também é possível usar o equivalente decimal para acessar um site. Por exemplo:
http://2886762510
</translation>
    </message>
</context>
<context>
    <name>ucFerol</name>
    <message>
        <source>Ferol products</source>
        <translation>Produtos Ferol</translation>
    </message>
    <message>
        <source>Tab moves from link to link; Enter opens one in the web browser</source>
        <translation>Tab passa de link em link; Enter abre o link no navegador</translation>
    </message>
</context>
<context>
    <name>ucIpv6Calc</name>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;Endereço:</translation>
    </message>
    <message>
        <source>IPv6 address</source>
        <translation>Endereço IPv6</translation>
    </message>
    <message>
        <source>Any IPv6 text form, optionally with /length</source>
        <translation>Qualquer forma textual IPv6, opcionalmente com /comprimento</translation>
    </message>
    <message>
        <source>Prefix &amp;length:</source>
        <translation>&amp;Comprimento do prefixo:</translation>
    </message>
    <message>
        <source>Prefix length</source>
        <translation>Comprimento do prefixo</translation>
    </message>
    <message>
        <source>0 to 128; arrow keys, Home, End or digits</source>
        <translation>0 a 128; setas, Home, End ou dígitos</translation>
    </message>
    <message>
        <source>&amp;Previous network</source>
        <translation>Rede &amp;anterior</translation>
    </message>
    <message>
        <source>&amp;Next network</source>
        <translation>&amp;Próxima rede</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Compressed:</source>
        <translation>Compactado:</translation>
    </message>
    <message>
        <source>Expanded:</source>
        <translation>Expandido:</translation>
    </message>
    <message>
        <source>Network:</source>
        <translation>Rede:</translation>
    </message>
    <message>
        <source>First address:</source>
        <translation>Primeiro endereço:</translation>
    </message>
    <message>
        <source>Last address:</source>
        <translation>Último endereço:</translation>
    </message>
    <message>
        <source>Addresses:</source>
        <translation>Endereços:</translation>
    </message>
    <message>
        <source>/64 networks:</source>
        <translation>Redes /64:</translation>
    </message>
    <message>
        <source>Block:</source>
        <translation>Bloco:</translation>
    </message>
    <message>
        <source>Embedded IPv4:</source>
        <translation>IPv4 embutido:</translation>
    </message>
    <message>
        <source>Reverse name:</source>
        <translation>Nome reverso:</translation>
    </message>
    <message>
        <source>Reverse zone:</source>
        <translation>Zona reversa:</translation>
    </message>
    <message>
        <source>Hex worksheet:</source>
        <translation>Planilha hexadecimal:</translation>
    </message>
    <message>
        <source>Network digits bold and underlined, interface digits plain, a digit holding both bold italic.</source>
        <translation>Dígitos de rede em negrito e sublinhados, dígitos de interface normais, um dígito com ambos em negrito itálico.</translation>
    </message>
    <message>
        <source>&amp;Subnets of length:</source>
        <translation>&amp;Sub-redes de comprimento:</translation>
    </message>
    <message>
        <source>Subnets of length</source>
        <translation>Sub-redes de comprimento</translation>
    </message>
    <message>
        <source>Subnet prefix length</source>
        <translation>Comprimento do prefixo das sub-redes</translation>
    </message>
    <message>
        <source>Sa&amp;ve...</source>
        <translation>&amp;Salvar...</translation>
    </message>
    <message>
        <source>Saves the listing as ipv6-subnets.txt and opens it</source>
        <translation>Salva a lista como ipv6-subnets.txt e a abre</translation>
    </message>
    <message>
        <source>Subnet count</source>
        <translation>Número de sub-redes</translation>
    </message>
    <message>
        <source>Subnets</source>
        <translation>Sub-redes</translation>
    </message>
    <message>
        <source>None: the prefix is longer than /64</source>
        <translation>Nenhuma: o prefixo é maior que /64</translation>
    </message>
    <message>
        <source>A /128 holds no smaller networks.</source>
        <translation>Um /128 não contém redes menores.</translation>
    </message>
    <message>
        <source>The IPv6 subnet list</source>
        <translation>A lista de sub-redes IPv6</translation>
    </message>
    <message>
        <source>IPv6 Calculator</source>
        <translation>Calculadora IPv6</translation>
    </message>
</context>
<context>
    <name>ucPlanner</name>
    <message>
        <source>&amp;Network to divide:</source>
        <translation>&amp;Rede a dividir:</translation>
    </message>
    <message>
        <source>10.0.0.0/24, 10.0.0.0 255.255.255.0 or 2001:db8::/48</source>
        <translation>10.0.0.0/24, 10.0.0.0 255.255.255.0 ou 2001:db8::/48</translation>
    </message>
    <message>
        <source>&amp;Divide by:</source>
        <translation>&amp;Dividir por:</translation>
    </message>
    <message>
        <source>VLSM: each need its smallest network</source>
        <translation>VLSM: cada necessidade com a menor rede</translation>
    </message>
    <message>
        <source>Equal split into networks of /n</source>
        <translation>Divisão igual em redes /n</translation>
    </message>
    <message>
        <source>Equal split into N networks</source>
        <translation>Divisão igual em N redes</translation>
    </message>
    <message>
        <source> networks</source>
        <translation> redes</translation>
    </message>
    <message>
        <source>Needs of &amp;2 hosts take a /31 (RFC 3021)</source>
        <translation>Necessidades de &amp;2 hosts usam um /31 (RFC 3021)</translation>
    </message>
    <message>
        <source>N&amp;eeds:</source>
        <translation>&amp;Necessidades:</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Adicionar</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>Re&amp;mover</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>&amp;Subir</translation>
    </message>
    <message>
        <source>Do&amp;wn</source>
        <translation>Desc&amp;er</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>C&amp;olar</translation>
    </message>
    <message>
        <source>Allocated net&amp;works:</source>
        <translation>Redes a&amp;locadas:</translation>
    </message>
    <message>
        <source>&amp;Copy all</source>
        <translation>&amp;Copiar tudo</translation>
    </message>
    <message>
        <source>Paste needs</source>
        <translation>Colar necessidades</translation>
    </message>
    <message>
        <source>Add need</source>
        <translation>Adicionar necessidade</translation>
    </message>
    <message>
        <source>Remove need</source>
        <translation>Remover necessidade</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Nothing pasted. %1</source>
        <translation>Nada foi colado. %1</translation>
    </message>
    <message>
        <source>Nothing pasted: no lines of a name and a size.</source>
        <translation>Nada foi colado: nenhuma linha com nome e tamanho.</translation>
    </message>
    <message>
        <source>Network to divide</source>
        <translation>Rede a dividir</translation>
    </message>
    <message>
        <source>An IPv4 or IPv6 network with its prefix length or mask</source>
        <translation>Uma rede IPv4 ou IPv6 com o comprimento do prefixo ou a máscara</translation>
    </message>
    <message>
        <source>Network to divide, problem</source>
        <translation>Rede a dividir, problema</translation>
    </message>
    <message>
        <source>How to divide</source>
        <translation>Como dividir</translation>
    </message>
    <message>
        <source>Prefix length of each network</source>
        <translation>Comprimento do prefixo de cada rede</translation>
    </message>
    <message>
        <source>Number of networks</source>
        <translation>Número de redes</translation>
    </message>
    <message>
        <source>Two-host needs take a /31</source>
        <translation>Necessidades de dois hosts usam um /31</translation>
    </message>
    <message>
        <source>Plan picture</source>
        <translation>Imagem do plano</translation>
    </message>
    <message>
        <source>The parent&apos;s addresses from first to last; Left and Right select a network</source>
        <translation>Os endereços da rede de origem, do primeiro ao último; setas para a esquerda e para a direita selecionam uma rede</translation>
    </message>
    <message>
        <source>Plan result</source>
        <translation>Resultado do plano</translation>
    </message>
    <message>
        <source>Needs</source>
        <translation>Necessidades</translation>
    </message>
    <message>
        <source>One row per need, a name and a size; paste lines of name and size</source>
        <translation>Uma linha por necessidade, com nome e tamanho; cole linhas de nome e tamanho</translation>
    </message>
    <message>
        <source>Needs, what a paste left out</source>
        <translation>Necessidades, o que a colagem deixou de fora</translation>
    </message>
    <message>
        <source>Move need up</source>
        <translation>Mover necessidade para cima</translation>
    </message>
    <message>
        <source>Move need down</source>
        <translation>Mover necessidade para baixo</translation>
    </message>
    <message>
        <source>Allocated networks</source>
        <translation>Redes alocadas</translation>
    </message>
    <message>
        <source>Copy the allocated networks as text</source>
        <translation>Copiar as redes alocadas como texto</translation>
    </message>
</context>
<context>
    <name>ucSubnetCalc</name>
    <message>
        <source>Subnetting</source>
        <translation>Sub-redes</translation>
    </message>
    <message>
        <source>Supernetting</source>
        <translation>Super-redes</translation>
    </message>
    <message>
        <source>Mask too long, no hosts.</source>
        <translation>Máscara longa demais, nenhum host.</translation>
    </message>
    <message>
        <source>Subnetting as per RFC3021.</source>
        <translation>Sub-redes conforme a RFC3021.</translation>
    </message>
    <message>
        <source>Warning! Subnet - All 0&apos;s</source>
        <translation>Atenção! Sub-rede - tudo 0</translation>
    </message>
    <message>
        <source>Invalid Subnet - All 1&apos;s</source>
        <translation>Sub-rede inválida - tudo 1</translation>
    </message>
    <message>
        <source>Enter Complete Host Address</source>
        <translation>Digite o endereço completo do host</translation>
    </message>
    <message>
        <source>Class A Address</source>
        <translation>Endereço classe A</translation>
    </message>
    <message>
        <source>Loopback Address</source>
        <translation>Endereço de loopback</translation>
    </message>
    <message>
        <source>Class B Address</source>
        <translation>Endereço classe B</translation>
    </message>
    <message>
        <source>Class C Address</source>
        <translation>Endereço classe C</translation>
    </message>
    <message>
        <source>Invalid IP Address</source>
        <translation>Endereço IP inválido</translation>
    </message>
    <message>
        <source>You must enter the IP Address</source>
        <translation>Você precisa digitar o endereço IP</translation>
    </message>
    <message>
        <source>Host address</source>
        <translation>Endereço do host</translation>
    </message>
    <message>
        <source>Address class</source>
        <translation>Classe do endereço</translation>
    </message>
    <message>
        <source>Mask and counts</source>
        <translation>Máscara e contagens</translation>
    </message>
    <message>
        <source>Mask length</source>
        <translation>Comprimento da máscara</translation>
    </message>
    <message>
        <source>Number of leading one bits of the subnet mask, 1 to 32</source>
        <translation>Número de bits 1 iniciais da máscara de sub-rede, de 1 a 32</translation>
    </message>
    <message>
        <source>Mask bits</source>
        <translation>Bits da máscara</translation>
    </message>
    <message>
        <source>Subnet mask</source>
        <translation>Máscara de sub-rede</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Subnet bits</source>
        <translation>Bits de sub-rede</translation>
    </message>
    <message>
        <source>Host bits</source>
        <translation>Bits de host</translation>
    </message>
    <message>
        <source>Maximum subnets</source>
        <translation>Número máximo de sub-redes</translation>
    </message>
    <message>
        <source>Maximum hosts</source>
        <translation>Número máximo de hosts</translation>
    </message>
    <message>
        <source>Current subnet</source>
        <translation>Sub-rede atual</translation>
    </message>
    <message>
        <source>Current network</source>
        <translation>Rede atual</translation>
    </message>
    <message>
        <source>Subnet mask of the current network</source>
        <translation>Máscara de sub-rede da rede atual</translation>
    </message>
    <message>
        <source>Current host range</source>
        <translation>Faixa de hosts atual</translation>
    </message>
    <message>
        <source>Binary worksheet</source>
        <translation>Planilha binária</translation>
    </message>
    <message>
        <source>Host in binary</source>
        <translation>Host em binário</translation>
    </message>
    <message>
        <source>Mask in binary</source>
        <translation>Máscara em binário</translation>
    </message>
    <message>
        <source>Network in binary</source>
        <translation>Rede em binário</translation>
    </message>
    <message>
        <source>Network address</source>
        <translation>Endereço de rede</translation>
    </message>
    <message>
        <source>Previous subnet</source>
        <translation>Sub-rede anterior</translation>
    </message>
    <message>
        <source>Steps the host address back to the previous subnet</source>
        <translation>Leva o endereço do host à sub-rede anterior</translation>
    </message>
    <message>
        <source>Next subnet</source>
        <translation>Próxima sub-rede</translation>
    </message>
    <message>
        <source>Steps the host address on to the next subnet</source>
        <translation>Leva o endereço do host à próxima sub-rede</translation>
    </message>
    <message>
        <source>Broadcast in binary</source>
        <translation>Broadcast em binário</translation>
    </message>
    <message>
        <source>Broadcast address</source>
        <translation>Endereço de broadcast</translation>
    </message>
    <message>
        <source>Send Next 20 Subnets to Notepad</source>
        <translation>Enviar as próximas 20 sub-redes ao Bloco de Notas</translation>
    </message>
    <message>
        <source>Writes this subnet and the next nineteen to a text file and opens it</source>
        <translation>Grava esta sub-rede e as dezenove seguintes num arquivo de texto e o abre</translation>
    </message>
    <message>
        <source>31-bit mask as per RFC 3021</source>
        <translation>Máscara de 31 bits conforme a RFC 3021</translation>
    </message>
    <message>
        <source>Counts two hosts in a subnet with a 31-bit mask</source>
        <translation>Conta dois hosts numa sub-rede com máscara de 31 bits</translation>
    </message>
    <message>
        <source>&amp;Host IP</source>
        <translation>IP do &amp;host</translation>
    </message>
    <message>
        <source>Mask Bits</source>
        <translation>Bits da máscara</translation>
    </message>
    <message>
        <source>Subnet Bits</source>
        <translation>Bits de sub-rede</translation>
    </message>
    <message>
        <source>Host Bits</source>
        <translation>Bits de host</translation>
    </message>
    <message>
        <source>Max Subnets</source>
        <translation>Máx. de sub-redes</translation>
    </message>
    <message>
        <source>Max Hosts</source>
        <translation>Máx. de hosts</translation>
    </message>
    <message>
        <source>Current Network:</source>
        <translation>Rede atual:</translation>
    </message>
    <message>
        <source>Subnet Mask:</source>
        <translation>Máscara de sub-rede:</translation>
    </message>
    <message>
        <source>Current Host Range</source>
        <translation>Faixa de hosts atual</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Host</translation>
    </message>
    <message>
        <source>Mask</source>
        <translation>Máscara</translation>
    </message>
    <message>
        <source>Subnet</source>
        <translation>Sub-rede</translation>
    </message>
    <message>
        <source>Broadcast</source>
        <translation>Broadcast</translation>
    </message>
    <message>
        <source>&lt;Prev Subnet</source>
        <translation>&lt;Sub-rede anterior</translation>
    </message>
    <message>
        <source>Next Subnet&gt;</source>
        <translation>Próxima sub-rede&gt;</translation>
    </message>
    <message>
        <source>&amp;31-bit mask as per RFC 3021</source>
        <translation>Máscara de &amp;31 bits conforme a RFC 3021</translation>
    </message>
    <message>
        <source>Subnet Calculator</source>
        <translation>Calculadora de sub-redes</translation>
    </message>
    <message>
        <source>This is the last subnet.</source>
        <translation>Esta é a última sub-rede.</translation>
    </message>
    <message>
        <source>This is the first subnet.</source>
        <translation>Esta é a primeira sub-rede.</translation>
    </message>
    <message>
        <source>The subnet list</source>
        <translation>A lista de sub-redes</translation>
    </message>
    <message>
        <source>RESULT</source>
        <translation>RESULTADO</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nenhum</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <comment>host range</comment>
        <translation>%1 a %2</translation>
    </message>
</context>
<context>
    <name>ucWildCardChecker</name>
    <message>
        <source>IP &amp;Address</source>
        <translation>&amp;Endereço IP</translation>
    </message>
    <message>
        <source>Wildcard &amp;Mask</source>
        <translation>&amp;Máscara curinga</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>&amp;Calcular</translation>
    </message>
    <message>
        <source>Send to &amp;Notepad</source>
        <translation>Enviar ao &amp;Bloco de Notas</translation>
    </message>
    <message>
        <source>Matches these addresses:</source>
        <translation>Corresponde a estes endereços:</translation>
    </message>
    <message>
        <source>The wildcard report</source>
        <translation>O relatório de máscara curinga</translation>
    </message>
    <message>
        <source>Wildcard Mask Checker</source>
        <translation>Verificador de máscara curinga</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>Endereço IP</translation>
    </message>
    <message>
        <source>Wildcard mask</source>
        <translation>Máscara curinga</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calcular</translation>
    </message>
    <message>
        <source>Lists the matches again; they already follow every change</source>
        <translation>Lista os valores de novo; eles já acompanham cada alteração</translation>
    </message>
    <message>
        <source>Send to Notepad</source>
        <translation>Enviar ao Bloco de Notas</translation>
    </message>
    <message>
        <source>Writes the matches to a text file and opens it</source>
        <translation>Grava os valores num arquivo de texto e o abre</translation>
    </message>
    <message>
        <source>Matches of the first octet</source>
        <translation>Valores do primeiro octeto</translation>
    </message>
    <message>
        <source>Matches of the second octet</source>
        <translation>Valores do segundo octeto</translation>
    </message>
    <message>
        <source>Matches of the third octet</source>
        <translation>Valores do terceiro octeto</translation>
    </message>
    <message>
        <source>Matches of the fourth octet</source>
        <translation>Valores do quarto octeto</translation>
    </message>
</context>
</TS>
