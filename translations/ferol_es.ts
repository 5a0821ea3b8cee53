<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AnswerModel</name>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>Mask</source>
        <translation>Máscara</translation>
    </message>
    <message>
        <source>First usable</source>
        <translation>Primera utilizable</translation>
    </message>
    <message>
        <source>First address</source>
        <translation>Primera dirección</translation>
    </message>
    <message>
        <source>Last usable</source>
        <translation>Última utilizable</translation>
    </message>
    <message>
        <source>Last address</source>
        <translation>Última dirección</translation>
    </message>
    <message>
        <source>Broadcast</source>
        <translation>Broadcast</translation>
    </message>
    <message>
        <source>Usable hosts</source>
        <translation>Hosts utilizables</translation>
    </message>
    <message>
        <source>/64 networks</source>
        <translation>Redes /64</translation>
    </message>
    <message>
        <source>Unused hosts</source>
        <translation>Hosts sin usar</translation>
    </message>
    <message>
        <source>Unused /64s</source>
        <translation>/64 sin usar</translation>
    </message>
    <message>
        <source>Free</source>
        <translation>Libre</translation>
    </message>
    <message>
        <source>Network %1</source>
        <translation>Red %1</translation>
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
        <translation>%1 subredes /%2 en %3</translation>
    </message>
    <message>
        <source>; the first %1 are listed, %2 more are not</source>
        <translation>; se listan las primeras %1, otras %2 no</translation>
    </message>
</context>
<context>
    <name>Ipv6Texts</name>
    <message>
        <source>Type an IPv6 address, with /length if you like.</source>
        <translation>Escriba una dirección IPv6, con /longitud si lo desea.</translation>
    </message>
    <message>
        <source>zone indexes such as %1 are not part of an address</source>
        <translation>los índices de zona como %1 no forman parte de una dirección</translation>
    </message>
    <message>
        <source>This is an IPv4 address; the Subnet Calculator tab takes IPv4.</source>
        <translation>Esta es una dirección IPv4; la pestaña Calculadora de subredes admite IPv4.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a hex digit</source>
        <translation>«%1» no es un dígito hexadecimal</translation>
    </message>
    <message>
        <source>three or more colons in a row</source>
        <translation>tres o más dos puntos seguidos</translation>
    </message>
    <message>
        <source>more than one &apos;::&apos;</source>
        <translation>más de un «::»</translation>
    </message>
    <message>
        <source>it starts with a single &apos;:&apos;</source>
        <translation>empieza con un solo «:»</translation>
    </message>
    <message>
        <source>it ends with a single &apos;:&apos;</source>
        <translation>termina con un solo «:»</translation>
    </message>
    <message>
        <source>a dotted IPv4 part may only end the address</source>
        <translation>una parte IPv4 con puntos solo puede ir al final</translation>
    </message>
    <message>
        <source>the dotted IPv4 part is not four numbers</source>
        <translation>la parte IPv4 con puntos no tiene cuatro números</translation>
    </message>
    <message>
        <source>the dotted IPv4 part has a number with a leading zero</source>
        <translation>la parte IPv4 con puntos tiene un número con cero inicial</translation>
    </message>
    <message>
        <source>the dotted IPv4 part has a number above 255</source>
        <translation>la parte IPv4 con puntos tiene un número mayor que 255</translation>
    </message>
    <message numerus="yes">
        <source>%n group(s) and no &apos;::&apos;; an address has 8</source>
        <translation>
            <numerusform>%n grupo y ningún «::»; una dirección tiene 8</numerusform>
            <numerusform>%n grupos y ningún «::»; una dirección tiene 8</numerusform>
        </translation>
    </message>
    <message>
        <source>more than 8 groups</source>
        <translation>más de 8 grupos</translation>
    </message>
    <message>
        <source>&apos;::&apos; beside 8 groups stands for none</source>
        <translation>«::» junto a 8 grupos no representa nada</translation>
    </message>
    <message>
        <source>no prefix length after &apos;/&apos;</source>
        <translation>no hay longitud de prefijo tras «/»</translation>
    </message>
    <message>
        <source>the prefix length is not a number</source>
        <translation>la longitud de prefijo no es un número</translation>
    </message>
    <message>
        <source>the prefix length has a leading zero</source>
        <translation>la longitud de prefijo tiene un cero inicial</translation>
    </message>
    <message>
        <source>the prefix length is above 128</source>
        <translation>la longitud de prefijo es mayor que 128</translation>
    </message>
    <message>
        <source>bits are set beyond the prefix length</source>
        <translation>hay bits a uno más allá de la longitud de prefijo</translation>
    </message>
    <message>
        <source>Not an IPv6 address: %1 (at character %2).</source>
        <translation>No es una dirección IPv6: %1 (en el carácter %2).</translation>
    </message>
    <message>
        <source>%1 (2^%2)</source>
        <translation>%1 (2^%2)</translation>
    </message>
    <message>
        <source>Global unicast; the network reaches into special-purpose blocks</source>
        <translation>Unicast global; la red se extiende a bloques de uso especial</translation>
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
        <translation>; la red va más allá de este bloque</translation>
    </message>
    <message>
        <source>IPv4-mapped: %1</source>
        <translation>IPv4 mapeada: %1</translation>
    </message>
    <message>
        <source>6to4: %1</source>
        <translation>6to4: %1</translation>
    </message>
    <message>
        <source>Teredo: server %1, client %2, port %3</source>
        <translation>Teredo: servidor %1, cliente %2, puerto %3</translation>
    </message>
    <message>
        <source>NAT64: %1</source>
        <translation>NAT64: %1</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguna</translation>
    </message>
    <message>
        <source> (/%1 is not on a nibble boundary; this is the zone of /%2)</source>
        <translation> (/%1 no cae en un límite de nibble; esta es la zona de /%2)</translation>
    </message>
    <message>
        <source>No network follows %1: it ends the address space.</source>
        <translation>Ninguna red sigue a %1: termina el espacio de direcciones.</translation>
    </message>
    <message>
        <source>No network comes before %1: it starts the address space.</source>
        <translation>Ninguna red precede a %1: empieza el espacio de direcciones.</translation>
    </message>
    <message numerus="yes">
        <source>group %1 has %n digit(s)</source>
        <translation>
            <numerusform>el grupo %1 tiene %n dígito</numerusform>
            <numerusform>el grupo %1 tiene %n dígitos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>NeedsModel</name>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>/64 networks or /n</source>
        <translation>Redes /64 o /n</translation>
    </message>
    <message>
        <source>Hosts or /n</source>
        <translation>Hosts o /n</translation>
    </message>
    <message>
        <source>How many /64 networks the need takes, or /n for a network of prefix length n</source>
        <translation>Cuántas redes /64 requiere la necesidad, o /n para una red de longitud de prefijo n</translation>
    </message>
    <message>
        <source>How many usable host addresses the need takes, or /n for a network of prefix length n</source>
        <translation>Cuántas direcciones de host utilizables requiere la necesidad, o /n para una red de longitud de prefijo n</translation>
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
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Abrir…</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Guardar como…</translation>
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
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Open Plan</source>
        <translation>Abrir plan</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Deshacer «%1»</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Rehacer «%1»</translation>
    </message>
    <message>
        <source>Recent plans</source>
        <translation>Planes recientes</translation>
    </message>
    <message>
        <source>plan</source>
        <translation>plan</translation>
    </message>
    <message>
        <source>Save Plan As</source>
        <translation>Guardar plan como</translation>
    </message>
    <message>
        <source>Save Plan</source>
        <translation>Guardar plan</translation>
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
        <translation>El plan tiene cambios sin guardar. ¿Guardarlos?</translation>
    </message>
    <message>
        <source>The plan %1 has unsaved changes. Save them?</source>
        <translation>El plan %1 tiene cambios sin guardar. ¿Guardarlos?</translation>
    </message>
    <message>
        <source>Planner</source>
        <translation>Planificador</translation>
    </message>
    <message>
        <source>Untitled plan</source>
        <translation>Sin título</translation>
    </message>
    <message>
        <source>%1 (unsaved)</source>
        <translation>%1 (sin guardar)</translation>
    </message>
    <message>
        <source>No recent plans</source>
        <translation>No hay planes recientes</translation>
    </message>
</context>
<context>
    <name>PlanDocument</name>
    <message>
        <source>Parent network</source>
        <translation>Red principal</translation>
    </message>
    <message>
        <source>Way to divide</source>
        <translation>Forma de dividir</translation>
    </message>
    <message>
        <source>Split length</source>
        <translation>Longitud de división</translation>
    </message>
    <message>
        <source>Number of networks</source>
        <translation>Número de redes</translation>
    </message>
    <message>
        <source>Two-host links</source>
        <translation>Enlaces de dos hosts</translation>
    </message>
    <message>
        <source>Edit need</source>
        <translation>Editar necesidad</translation>
    </message>
    <message>
        <source>Move need</source>
        <translation>Mover necesidad</translation>
    </message>
    <message numerus="yes">
        <source>Add %n need(s)</source>
        <translation>
            <numerusform>Agregar necesidad</numerusform>
            <numerusform>Agregar %n necesidades</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Remove %n need(s)</source>
        <translation>
            <numerusform>Quitar necesidad</numerusform>
            <numerusform>Quitar %n necesidades</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PlanFiles</name>
    <message>
        <source>%1 was not opened.
%2</source>
        <translation>%1 no se abrió.
%2</translation>
    </message>
    <message>
        <source>The networks stored in %1 are not the ones its plan gives (%2). The plan&apos;s own are shown.</source>
        <translation>Las redes guardadas en %1 no son las que da su plan (%2). Se muestran las del plan.</translation>
    </message>
    <message>
        <source>The plan was not saved: &apos;%1&apos; is not a network yet.</source>
        <translation>El plan no se guardó: «%1» todavía no es una red.</translation>
    </message>
    <message>
        <source>The plan</source>
        <translation>El plan</translation>
    </message>
    <message>
        <source>The answer</source>
        <translation>El resultado</translation>
    </message>
    <message>
        <source>Address plans (*.%1);;All files (*)</source>
        <translation>Planes de direcciones (*.%1);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Archivos CSV (*.csv);;Todos los archivos (*)</translation>
    </message>
</context>
<context>
    <name>PlanPicture</name>
    <message>
        <source>No plan to draw.</source>
        <translation>No hay plan que dibujar.</translation>
    </message>
    <message>
        <source>Addresses run from left to right, lowest first; hatched blocks are free.</source>
        <translation>Las direcciones van de izquierda a derecha, la menor primero; los bloques rayados están libres.</translation>
    </message>
    <message>
        <source>free</source>
        <translation>libre</translation>
    </message>
    <message>
        <source>Free</source>
        <translation>Libre</translation>
    </message>
    <message numerus="yes">
        <source>%n block(s) too small to draw to scale are drawn %1 pixels wide, marked with a dot.</source>
        <translation>
            <numerusform>%n bloque demasiado pequeño para dibujarlo a escala se dibuja con %1 píxeles de ancho, marcado con un punto.</numerusform>
            <numerusform>%n bloques demasiado pequeños para dibujarlos a escala se dibujan con %1 píxeles de ancho, marcados con un punto.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PlanTexts</name>
    <message>
        <source>Type the network to divide, as 10.0.0.0/24, 10.0.0.0 255.255.255.0 or 2001:db8::/48.</source>
        <translation>Escriba la red a dividir, como 10.0.0.0/24, 10.0.0.0 255.255.255.0 o 2001:db8::/48.</translation>
    </message>
    <message>
        <source>Not a network: write an address and its prefix length or mask.</source>
        <translation>No es una red: escriba una dirección y su longitud de prefijo o máscara.</translation>
    </message>
    <message>
        <source>Not a network: a number with a leading zero is ambiguous.</source>
        <translation>No es una red: un número con cero inicial es ambiguo.</translation>
    </message>
    <message>
        <source>Not a network: a part of the address is too large.</source>
        <translation>No es una red: una parte de la dirección es demasiado grande.</translation>
    </message>
    <message>
        <source>Not a network: the prefix length is not one the address family allows.</source>
        <translation>No es una red: la familia de direcciones no admite esa longitud de prefijo.</translation>
    </message>
    <message>
        <source>Not a network: a mask has its one bits first, with no gap.</source>
        <translation>No es una red: una máscara tiene sus bits a uno al principio, sin huecos.</translation>
    </message>
    <message>
        <source>Not a network: the address has bits set beyond the prefix length.</source>
        <translation>No es una red: la dirección tiene bits a uno más allá de la longitud de prefijo.</translation>
    </message>
    <message>
        <source>Not a network: a zone index (%) names a link, not a network.</source>
        <translation>No es una red: un índice de zona (%) designa un enlace, no una red.</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>fila %1</translation>
    </message>
    <message>
        <source>more than </source>
        <translation>más de </translation>
    </message>
    <message>
        <source>Does not fit: %1 addresses missing in %2.</source>
        <translation>No cabe: faltan %1 direcciones en %2.</translation>
    </message>
    <message>
        <source>Does not fit: %1 addresses missing in %2; %3 is the first need with no room left.</source>
        <translation>No cabe: faltan %1 direcciones en %2; %3 es la primera necesidad sin espacio.</translation>
    </message>
    <message>
        <source>%1 asks for /%2, longer than an %3 address.</source>
        <translation>%1 pide una /%2, más larga que una dirección %3.</translation>
    </message>
    <message>
        <source>/%1 is longer than an %2 address.</source>
        <translation>/%1 es más larga que una dirección %2.</translation>
    </message>
    <message>
        <source>Split into how many networks? At least one.</source>
        <translation>¿En cuántas redes dividir? Al menos una.</translation>
    </message>
    <message>
        <source>That makes more than %1 networks; choose fewer.</source>
        <translation>Eso da más de %1 redes; elija menos.</translation>
    </message>
    <message>
        <source>%1 in %2: %3 of %4 addresses allocated (%5 %).</source>
        <translation>%1 en %2: %3 de %4 direcciones asignadas (%5 %).</translation>
    </message>
    <message>
        <source>Line %1: “%2” is not a size (a number, or /n for a prefix length).</source>
        <translation>Línea %1: «%2» no es un tamaño (un número, o /n para una longitud de prefijo).</translation>
    </message>
    <message numerus="yes">
        <source>%n network(s)</source>
        <translation>
            <numerusform>%n red</numerusform>
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
        <translation>El informe se guardó como
%1
pero ningún programa pudo abrirlo.</translation>
    </message>
    <message>
        <source>The EULA Is Unavailable At This Time

No program could open
%1</source>
        <translation>El contrato de licencia no está disponible en este momento

Ningún programa pudo abrir
%1</translation>
    </message>
    <message>
        <source>No web browser could open
%1</source>
        <translation>Ningún navegador web pudo abrir
%1</translation>
    </message>
    <message>
        <source>No folder was named to create.</source>
        <translation>No se indicó ninguna carpeta que crear.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a file, not a folder.</source>
        <translation>«%1» es un archivo, no una carpeta.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; cannot be created because &quot;%2&quot; is a file.</source>
        <translation>No se puede crear la carpeta «%1» porque «%2» es un archivo.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; could not be created.</source>
        <translation>No se pudo crear la carpeta «%1».</translation>
    </message>
    <message>
        <source>The documents folder is unknown, so the reports have no folder to go to.</source>
        <translation>Se desconoce la carpeta de documentos, así que los informes no tienen carpeta de destino.</translation>
    </message>
    <message>
        <source>%1 could not be saved.
%2</source>
        <translation>No se pudo guardar %1.
%2</translation>
    </message>
    <message>
        <source>%1 could not be saved to %2.
%3</source>
        <translation>No se pudo guardar %1 en %2.
%3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not exist.</source>
        <translation>«%1» no existe.</translation>
    </message>
</context>
<context>
    <name>SpecialBlockNames</name>
    <message>
        <source>This network</source>
        <translation>Esta red</translation>
    </message>
    <message>
        <source>This host on this network</source>
        <translation>Este host en esta red</translation>
    </message>
    <message>
        <source>Private-Use</source>
        <translation>Uso privado</translation>
    </message>
    <message>
        <source>Shared Address Space</source>
        <translation>Espacio de direcciones compartido</translation>
    </message>
    <message>
        <source>Loopback</source>
        <translation>Loopback</translation>
    </message>
    <message>
        <source>Link Local</source>
        <translation>Enlace local</translation>
    </message>
    <message>
        <source>IETF Protocol Assignments</source>
        <translation>Asignaciones de protocolo del IETF</translation>
    </message>
    <message>
        <source>IPv4 Service Continuity Prefix</source>
        <translation>Prefijo de continuidad de servicio IPv4</translation>
    </message>
    <message>
        <source>IPv4 dummy address</source>
        <translation>Dirección IPv4 ficticia</translation>
    </message>
    <message>
        <source>Port Control Protocol Anycast</source>
        <translation>Anycast de Port Control Protocol</translation>
    </message>
    <message>
        <source>Traversal Using Relays around NAT Anycast</source>
        <translation>Anycast de Traversal Using Relays around NAT</translation>
    </message>
    <message>
        <source>NAT64/DNS64 Discovery</source>
        <translation>Descubrimiento NAT64/DNS64</translation>
    </message>
    <message>
        <source>Documentation (TEST-NET-1)</source>
        <translation>Documentación (TEST-NET-1)</translation>
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
        <translation>Obsoleto (anycast de relé 6to4)</translation>
    </message>
    <message>
        <source>6a44-relay anycast address</source>
        <translation>Dirección anycast de relé 6a44</translation>
    </message>
    <message>
        <source>Direct Delegation AS112 Service</source>
        <translation>Servicio AS112 de delegación directa</translation>
    </message>
    <message>
        <source>Benchmarking</source>
        <translation>Pruebas de rendimiento</translation>
    </message>
    <message>
        <source>Documentation (TEST-NET-2)</source>
        <translation>Documentación (TEST-NET-2)</translation>
    </message>
    <message>
        <source>Documentation (TEST-NET-3)</source>
        <translation>Documentación (TEST-NET-3)</translation>
    </message>
    <message>
        <source>Multicast</source>
        <translation>Multidifusión</translation>
    </message>
    <message>
        <source>Reserved</source>
        <translation>Reservado</translation>
    </message>
    <message>
        <source>Limited Broadcast</source>
        <translation>Difusión limitada</translation>
    </message>
    <message>
        <source>Unspecified Address</source>
        <translation>Dirección no especificada</translation>
    </message>
    <message>
        <source>Loopback Address</source>
        <translation>Dirección de loopback</translation>
    </message>
    <message>
        <source>IPv4-mapped Address</source>
        <translation>Dirección IPv4 mapeada</translation>
    </message>
    <message>
        <source>IPv4-IPv6 Translat.</source>
        <translation>Traducción IPv4-IPv6</translation>
    </message>
    <message>
        <source>Discard-Only Address Block</source>
        <translation>Bloque de direcciones para descarte</translation>
    </message>
    <message>
        <source>Dummy IPv6 Prefix</source>
        <translation>Prefijo IPv6 ficticio</translation>
    </message>
    <message>
        <source>TEREDO</source>
        <translation>TEREDO</translation>
    </message>
    <message>
        <source>DNS-SD Service Registration Protocol Anycast Address</source>
        <translation>Dirección anycast de DNS-SD Service Registration Protocol</translation>
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
        <translation>Prefijo de etiquetas de entidad de Drone Remote ID (DET)</translation>
    </message>
    <message>
        <source>Documentation</source>
        <translation>Documentación</translation>
    </message>
    <message>
        <source>6to4</source>
        <translation>6to4</translation>
    </message>
    <message>
        <source>Segment Routing (SRv6) SIDs</source>
        <translation>SID de enrutamiento por segmentos (SRv6)</translation>
    </message>
    <message>
        <source>Unique-Local</source>
        <translation>Local única</translation>
    </message>
    <message>
        <source>Link-Local Unicast</source>
        <translation>Unidifusión de enlace local</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Ferol logo</source>
        <translation>Logotipo de Ferol</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Closes this dialog</source>
        <translation>Cierra este cuadro de diálogo</translation>
    </message>
    <message>
        <source>View DODA</source>
        <translation>Ver DODA</translation>
    </message>
    <message>
        <source>Opens the license document</source>
        <translation>Abre el documento de licencia</translation>
    </message>
    <message>
        <source>&amp;View DODA</source>
        <translation>&amp;Ver DODA</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <source>Ferol Subnet Calculator contains the following tools for IPv4 and IPv6:  Subnet Calculator, Wildcard Checker, Decimal IP Calculator, IPv6 Calculator.</source>
        <translation>Herramientas de Ferol Subnet Calculator para IPv4 e IPv6: calculadora de subredes, máscara wildcard, IP decimal, calculadora IPv6.</translation>
    </message>
    <message>
        <source>Copyright © 2026 Ferol. All rights reserved. This program is provided as is, without warranty of any kind.</source>
        <translation>Copyright © 2026 Ferol. Todos los derechos reservados. Este programa se proporciona tal cual, sin garantía de ningún tipo.</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
</context>
<context>
    <name>frmWelcome2</name>
    <message>
        <source>Subnet Mask Calculator</source>
        <translation>Calculadora de subredes</translation>
    </message>
    <message>
        <source>Wildcard Mask Checker</source>
        <translation>Máscara wildcard</translation>
    </message>
    <message>
        <source>Decimal IP Calculator</source>
        <translation>IP decimal</translation>
    </message>
    <message>
        <source>IPv6 Calculator</source>
        <translation>Calculadora IPv6</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>&amp;Subnet Mask Calculator</source>
        <translation>Calculadora de &amp;máscara de subred</translation>
    </message>
    <message>
        <source>&amp;Wildcard Mask Checker</source>
        <translation>Comprobador de máscara &amp;wildcard</translation>
    </message>
    <message>
        <source>&amp;Decimal IP Calculator</source>
        <translation>Calculadora de IP &amp;decimal</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;More</source>
        <translation>&amp;Más</translation>
    </message>
    <message>
        <source>Free &amp;Lumbra Demo (Network Simulator)</source>
        <translation>Demo gratuita de &amp;Lumbra (simulador de redes)</translation>
    </message>
    <message>
        <source>Free &amp;Orvat Demos (Practice Exams)</source>
        <translation>Demos gratuitas de &amp;Orvat (exámenes de práctica)</translation>
    </message>
    <message>
        <source>Ferol&apos;s Free &amp;Utilities</source>
        <translation>&amp;Utilidades gratuitas de Ferol</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Ferol Home Page</source>
        <translation>Página de inicio de &amp;Ferol</translation>
    </message>
    <message>
        <source>&amp;Contact Us</source>
        <translation>&amp;Contacto</translation>
    </message>
    <message>
        <source>&amp;About Subnet Calculator</source>
        <translation>&amp;Acerca de Subnet Calculator</translation>
    </message>
    <message>
        <source>Exit?</source>
        <translation>¿Salir?</translation>
    </message>
    <message>
        <source>Are you sure you want to exit?</source>
        <translation>¿Seguro que desea salir?</translation>
    </message>
    <message>
        <source>Ferol banner</source>
        <translation>Banner de Ferol</translation>
    </message>
    <message>
        <source>Shows the Ferol tab</source>
        <translation>Muestra la pestaña Ferol</translation>
    </message>
    <message>
        <source>Planner</source>
        <translation>Planificador</translation>
    </message>
</context>
<context>
    <name>ucDecimalCalc</name>
    <message>
        <source>IP address</source>
        <translation>Dirección IP</translation>
    </message>
    <message>
        <source>Changing an octet updates the decimal address</source>
        <translation>Al cambiar un octeto se actualiza la dirección decimal</translation>
    </message>
    <message>
        <source>Example addresses button</source>
        <translation>Botón de direcciones de ejemplo</translation>
    </message>
    <message>
        <source>Opens and closes the list of example addresses</source>
        <translation>Abre y cierra la lista de direcciones de ejemplo</translation>
    </message>
    <message>
        <source>Example addresses</source>
        <translation>Direcciones de ejemplo</translation>
    </message>
    <message>
        <source>Up and Down fill in the highlighted address; Enter or Space picks it</source>
        <translation>Arriba y Abajo rellenan la dirección resaltada; Intro o Espacio la eligen</translation>
    </message>
    <message>
        <source>Decimal address</source>
        <translation>Dirección decimal</translation>
    </message>
    <message>
        <source>Typing a number here updates the octets</source>
        <translation>Al escribir un número aquí se actualizan los octetos</translation>
    </message>
    <message>
        <source>What the decimal address is for</source>
        <translation>Para qué sirve la dirección decimal</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>Dirección IP</translation>
    </message>
    <message>
        <source>Decimal Address</source>
        <translation>Dirección decimal</translation>
    </message>
    <message>
        <source>We normally think of using an IP address to navigate to a Web  site. For example:
http://172.16.128.14

Alternatively, you can use the decimal equivalent to navigate to a Web site. For example:
http://2886762510
</source>
        <translation>Normalmente pensamos en usar una dirección IP para navegar a un sitio web. Por ejemplo:
http://172.16.128.14

También puede usar su equivalente decimal para navegar a un sitio web. Por ejemplo:
http://2886762510
</translation>
    </message>
</context>
<context>
    <name>ucFerol</name>
    <message>
        <source>Ferol products</source>
        <translation>Productos de Ferol</translation>
    </message>
    <message>
        <source>Tab moves from link to link; Enter opens one in the web browser</source>
        <translation>Tab pasa de un enlace a otro; Intro lo abre en el navegador web</translation>
    </message>
</context>
<context>
    <name>ucIpv6Calc</name>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;Dirección:</translation>
    </message>
    <message>
        <source>IPv6 address</source>
        <translation>Dirección IPv6</translation>
    </message>
    <message>
        <source>Any IPv6 text form, optionally with /length</source>
        <translation>Cualquier forma de texto IPv6, opcionalmente con /longitud</translation>
    </message>
    <message>
        <source>Prefix &amp;length:</source>
        <translation>&amp;Longitud de prefijo:</translation>
    </message>
    <message>
        <source>Prefix length</source>
        <translation>Longitud de prefijo</translation>
    </message>
    <message>
        <source>0 to 128; arrow keys, Home, End or digits</source>
        <translation>0 a 128; flechas, Inicio, Fin o dígitos</translation>
    </message>
    <message>
        <source>&amp;Previous network</source>
        <translation>Red a&amp;nterior</translation>
    </message>
    <message>
        <source>&amp;Next network</source>
        <translation>Red &amp;siguiente</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Compressed:</source>
        <translation>Comprimida:</translation>
    </message>
    <message>
        <source>Expanded:</source>
        <translation>Expandida:</translation>
    </message>
    <message>
        <source>Network:</source>
        <translation>Red:</translation>
    </message>
    <message>
        <source>First address:</source>
        <translation>Primera dirección:</translation>
    </message>
    <message>
        <source>Last address:</source>
        <translation>Última dirección:</translation>
    </message>
    <message>
        <source>Addresses:</source>
        <translation>Direcciones:</translation>
    </message>
    <message>
        <source>/64 networks:</source>
        <translation>Redes /64:</translation>
    </message>
    <message>
        <source>Block:</source>
        <translation>Bloque:</translation>
    </message>
    <message>
        <source>Embedded IPv4:</source>
        <translation>IPv4 incrustada:</translation>
    </message>
    <message>
        <source>Reverse name:</source>
        <translation>Nombre inverso:</translation>
    </message>
    <message>
        <source>Reverse zone:</source>
        <translation>Zona inversa:</translation>
    </message>
    <message>
        <source>Hex worksheet:</source>
        <translation>Tabla hexadecimal:</translation>
    </message>
    <message>
        <source>Network digits bold and underlined, interface digits plain, a digit holding both bold italic.</source>
        <translation>Dígitos de red en negrita y subrayados, dígitos de interfaz normales, un dígito con ambos en negrita cursiva.</translation>
    </message>
    <message>
        <source>&amp;Subnets of length:</source>
        <translation>Su&amp;bredes de longitud:</translation>
    </message>
    <message>
        <source>Subnets of length</source>
        <translation>Subredes de longitud</translation>
    </message>
    <message>
        <source>Subnet prefix length</source>
        <translation>Longitud de prefijo de las subredes</translation>
    </message>
    <message>
        <source>Sa&amp;ve...</source>
        <translation>&amp;Guardar...</translation>
    </message>
    <message>
        <source>Saves the listing as ipv6-subnets.txt and opens it</source>
        <translation>Guarda la lista como ipv6-subnets.txt y la abre</translation>
    </message>
    <message>
        <source>Subnet count</source>
        <translation>Número de subredes</translation>
    </message>
    <message>
        <source>Subnets</source>
        <translation>Subredes</translation>
    </message>
    <message>
        <source>None: the prefix is longer than /64</source>
        <translation>Ninguna: el prefijo es más largo que /64</translation>
    </message>
    <message>
        <source>A /128 holds no smaller networks.</source>
        <translation>Un /128 no contiene redes más pequeñas.</translation>
    </message>
    <message>
        <source>The IPv6 subnet list</source>
        <translation>La lista de subredes IPv6</translation>
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
        <translation>Red a &amp;dividir:</translation>
    </message>
    <message>
        <source>10.0.0.0/24, 10.0.0.0 255.255.255.0 or 2001:db8::/48</source>
        <translation>10.0.0.0/24, 10.0.0.0 255.255.255.0 o 2001:db8::/48</translation>
    </message>
    <message>
        <source>&amp;Divide by:</source>
        <translation>Dividir &amp;según:</translation>
    </message>
    <message>
        <source>VLSM: each need its smallest network</source>
        <translation>VLSM: la red más pequeña por necesidad</translation>
    </message>
    <message>
        <source>Equal split into networks of /n</source>
        <translation>División igual en redes /n</translation>
    </message>
    <message>
        <source>Equal split into N networks</source>
        <translation>División igual en N redes</translation>
    </message>
    <message>
        <source> networks</source>
        <translation> redes</translation>
    </message>
    <message>
        <source>Needs of &amp;2 hosts take a /31 (RFC 3021)</source>
        <translation>Necesidades de &amp;2 hosts en /31 (RFC 3021)</translation>
    </message>
    <message>
        <source>N&amp;eeds:</source>
        <translation>N&amp;ecesidades:</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>A&amp;gregar</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>S&amp;ubir</translation>
    </message>
    <message>
        <source>Do&amp;wn</source>
        <translation>Ba&amp;jar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <source>Allocated net&amp;works:</source>
        <translation>Redes asig&amp;nadas:</translation>
    </message>
    <message>
        <source>&amp;Copy all</source>
        <translation>&amp;Copiar todo</translation>
    </message>
    <message>
        <source>Paste needs</source>
        <translation>Pegar necesidades</translation>
    </message>
    <message>
        <source>Add need</source>
        <translation>Agregar necesidad</translation>
    </message>
    <message>
        <source>Remove need</source>
        <translation>Quitar necesidad</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Nothing pasted. %1</source>
        <translation>No se pegó nada. %1</translation>
    </message>
    <message>
        <source>Nothing pasted: no lines of a name and a size.</source>
        <translation>No se pegó nada: no hay líneas con un nombre y un tamaño.</translation>
    </message>
    <message>
        <source>Network to divide</source>
        <translation>Red a dividir</translation>
    </message>
    <message>
        <source>An IPv4 or IPv6 network with its prefix length or mask</source>
        <translation>Una red IPv4 o IPv6 con su longitud de prefijo o máscara</translation>
    </message>
    <message>
        <source>Network to divide, problem</source>
        <translation>Red a dividir, problema</translation>
    </message>
    <message>
        <source>How to divide</source>
        <translation>Forma de dividir</translation>
    </message>
    <message>
        <source>Prefix length of each network</source>
        <translation>Longitud de prefijo de cada red</translation>
    </message>
    <message>
        <source>Number of networks</source>
        <translation>Número de redes</translation>
    </message>
    <message>
        <source>Two-host needs take a /31</source>
        <translation>Necesidades de dos hosts en /31</translation>
    </message>
    <message>
        <source>Plan picture</source>
        <translation>Imagen del plan</translation>
    </message>
    <message>
        <source>The parent&apos;s addresses from first to last; Left and Right select a network</source>
        <translation>Las direcciones de la red principal de la primera a la última; Izquierda y Derecha eligen una red</translation>
    </message>
    <message>
        <source>Plan result</source>
        <translation>Resultado del plan</translation>
    </message>
    <message>
        <source>Needs</source>
        <translation>Necesidades</translation>
    </message>
    <message>
        <source>One row per need, a name and a size; paste lines of name and size</source>
        <translation>Una fila por necesidad, un nombre y un tamaño; pegue líneas de nombre y tamaño</translation>
    </message>
    <message>
        <source>Needs, what a paste left out</source>
        <translation>Necesidades, lo que un pegado omitió</translation>
    </message>
    <message>
        <source>Move need up</source>
        <translation>Subir la necesidad</translation>
    </message>
    <message>
        <source>Move need down</source>
        <translation>Bajar la necesidad</translation>
    </message>
    <message>
        <source>Allocated networks</source>
        <translation>Redes asignadas</translation>
    </message>
    <message>
        <source>Copy the allocated networks as text</source>
        <translation>Copia las redes asignadas como texto</translation>
    </message>
</context>
<context>
    <name>ucSubnetCalc</name>
    <message>
        <source>Subnetting</source>
        <translation>División en subredes</translation>
    </message>
    <message>
        <source>Supernetting</source>
        <translation>Superredes</translation>
    </message>
    <message>
        <source>Mask too long, no hosts.</source>
        <translation>Máscara demasiado larga, sin hosts.</translation>
    </message>
    <message>
        <source>Subnetting as per RFC3021.</source>
        <translation>Subredes según RFC3021.</translation>
    </message>
    <message>
        <source>Warning! Subnet - All 0&apos;s</source>
        <translation>¡Atención! Subred: todo ceros</translation>
    </message>
    <message>
        <source>Invalid Subnet - All 1&apos;s</source>
        <translation>Subred no válida: todo unos</translation>
    </message>
    <message>
        <source>Enter Complete Host Address</source>
        <translation>Dirección de host incompleta</translation>
    </message>
    <message>
        <source>Class A Address</source>
        <translation>Dirección de clase A</translation>
    </message>
    <message>
        <source>Loopback Address</source>
        <translation>Dirección de loopback</translation>
    </message>
    <message>
        <source>Class B Address</source>
        <translation>Dirección de clase B</translation>
    </message>
    <message>
        <source>Class C Address</source>
        <translation>Dirección de clase C</translation>
    </message>
    <message>
        <source>Invalid IP Address</source>
        <translation>Dirección IP no válida</translation>
    </message>
    <message>
        <source>You must enter the IP Address</source>
        <translation>Debe introducir la dirección IP</translation>
    </message>
    <message>
        <source>Host address</source>
        <translation>Dirección de host</translation>
    </message>
    <message>
        <source>Address class</source>
        <translation>Clase de dirección</translation>
    </message>
    <message>
        <source>Mask and counts</source>
        <translation>Máscara y cantidades</translation>
    </message>
    <message>
        <source>Mask length</source>
        <translation>Longitud de máscara</translation>
    </message>
    <message>
        <source>Number of leading one bits of the subnet mask, 1 to 32</source>
        <translation>Número de bits a uno iniciales de la máscara de subred, de 1 a 32</translation>
    </message>
    <message>
        <source>Mask bits</source>
        <translation>Bits de máscara</translation>
    </message>
    <message>
        <source>Subnet mask</source>
        <translation>Máscara de subred</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Subnet bits</source>
        <translation>Bits de subred</translation>
    </message>
    <message>
        <source>Host bits</source>
        <translation>Bits de host</translation>
    </message>
    <message>
        <source>Maximum subnets</source>
        <translation>Máximo de subredes</translation>
    </message>
    <message>
        <source>Maximum hosts</source>
        <translation>Máximo de hosts</translation>
    </message>
    <message>
        <source>Current subnet</source>
        <translation>Subred actual</translation>
    </message>
    <message>
        <source>Current network</source>
        <translation>Red actual</translation>
    </message>
    <message>
        <source>Subnet mask of the current network</source>
        <translation>Máscara de subred de la red actual</translation>
    </message>
    <message>
        <source>Current host range</source>
        <translation>Rango de hosts actual</translation>
    </message>
    <message>
        <source>Binary worksheet</source>
        <translation>Tabla binaria</translation>
    </message>
    <message>
        <source>Host in binary</source>
        <translation>Host en binario</translation>
    </message>
    <message>
        <source>Mask in binary</source>
        <translation>Máscara en binario</translation>
    </message>
    <message>
        <source>Network in binary</source>
        <translation>Red en binario</translation>
    </message>
    <message>
        <source>Network address</source>
        <translation>Dirección de red</translation>
    </message>
    <message>
        <source>Previous subnet</source>
        <translation>Subred anterior</translation>
    </message>
    <message>
        <source>Steps the host address back to the previous subnet</source>
        <translation>Lleva la dirección de host a la subred anterior</translation>
    </message>
    <message>
        <source>Next subnet</source>
        <translation>Subred siguiente</translation>
    </message>
    <message>
        <source>Steps the host address on to the next subnet</source>
        <translation>Lleva la dirección de host a la subred siguiente</translation>
    </message>
    <message>
        <source>Broadcast in binary</source>
        <translation>Broadcast en binario</translation>
    </message>
    <message>
        <source>Broadcast address</source>
        <translation>Dirección de broadcast</translation>
    </message>
    <message>
        <source>Send Next 20 Subnets to Notepad</source>
        <translation>Enviar 20 subredes al Bloc de notas</translation>
    </message>
    <message>
        <source>Writes this subnet and the next nineteen to a text file and opens it</source>
        <translation>Escribe esta subred y las diecinueve siguientes en un archivo de texto y lo abre</translation>
    </message>
    <message>
        <source>31-bit mask as per RFC 3021</source>
        <translation>Máscara /31 (RFC 3021)</translation>
    </message>
    <message>
        <source>Counts two hosts in a subnet with a 31-bit mask</source>
        <translation>Cuenta dos hosts en una subred con máscara de 31 bits</translation>
    </message>
    <message>
        <source>&amp;Host IP</source>
        <translation>IP de &amp;host</translation>
    </message>
    <message>
        <source>Mask Bits</source>
        <translation>Bits de máscara</translation>
    </message>
    <message>
        <source>Subnet Bits</source>
        <translation>Bits de subred</translation>
    </message>
    <message>
        <source>Host Bits</source>
        <translation>Bits de host</translation>
    </message>
    <message>
        <source>Max Subnets</source>
        <translation>Máx. subredes</translation>
    </message>
    <message>
        <source>Max Hosts</source>
        <translation>Máx. hosts</translation>
    </message>
    <message>
        <source>Current Network:</source>
        <translation>Red actual:</translation>
    </message>
    <message>
        <source>Subnet Mask:</source>
        <translation>Máscara de subred:</translation>
    </message>
    <message>
        <source>Current Host Range</source>
        <translation>Rango de hosts actual</translation>
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
        <translation>Subred</translation>
    </message>
    <message>
        <source>Broadcast</source>
        <translation>Broadcast</translation>
    </message>
    <message>
        <source>&lt;Prev Subnet</source>
        <translation>&lt;Anterior</translation>
    </message>
    <message>
        <source>Next Subnet&gt;</source>
        <translation>Siguiente&gt;</translation>
    </message>
    <message>
        <source>&amp;31-bit mask as per RFC 3021</source>
        <translation>Máscara /&amp;31 (RFC 3021)</translation>
    </message>
    <message>
        <source>Subnet Calculator</source>
        <translation>Calculadora de subredes</translation>
    </message>
    <message>
        <source>This is the last subnet.</source>
        <translation>Esta es la última subred.</translation>
    </message>
    <message>
        <source>This is the first subnet.</source>
        <translation>Esta es la primera subred.</translation>
    </message>
    <message>
        <source>The subnet list</source>
        <translation>La lista de subredes</translation>
    </message>
    <message>
        <source>RESULT</source>
        <translation>RESULTADO</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
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
        <translation>&amp;Dirección IP</translation>
    </message>
    <message>
        <source>Wildcard &amp;Mask</source>
        <translation>&amp;Máscara wildcard</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>&amp;Calcular</translation>
    </message>
    <message>
        <source>Send to &amp;Notepad</source>
        <translation>Enviar al &amp;Bloc de notas</translation>
    </message>
    <message>
        <source>Matches these addresses:</source>
        <translation>Coincide con estas direcciones:</translation>
    </message>
    <message>
        <source>The wildcard report</source>
        <translation>El informe de la máscara wildcard</translation>
    </message>
    <message>
        <source>Wildcard Mask Checker</source>
        <translation>Máscara wildcard</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>Dirección IP</translation>
    </message>
    <message>
        <source>Wildcard mask</source>
        <translation>Máscara wildcard</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calcular</translation>
    </message>
    <message>
        <source>Lists the matches again; they already follow every change</source>
        <translation>Vuelve a listar las coincidencias; ya siguen cada cambio</translation>
    </message>
    <message>
        <source>Send to Notepad</source>
        <translation>Enviar al Bloc de notas</translation>
    </message>
    <message>
        <source>Writes the matches to a text file and opens it</source>
        <translation>Escribe las coincidencias en un archivo de texto y lo abre</translation>
    </message>
    <message>
        <source>Matches of the first octet</source>
        <translation>Coincidencias del primer octeto</translation>
    </message>
    <message>
        <source>Matches of the second octet</source>
        <translation>Coincidencias del segundo octeto</translation>
    </message>
    <message>
        <source>Matches of the third octet</source>
        <translation>Coincidencias del tercer octeto</translation>
    </message>
    <message>
        <source>Matches of the fourth octet</source>
        <translation>Coincidencias del cuarto octeto</translation>
    </message>
</context>
</TS>
