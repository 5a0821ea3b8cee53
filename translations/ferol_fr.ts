<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AnswerModel</name>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Réseau</translation>
    </message>
    <message>
        <source>Mask</source>
        <translation>Masque</translation>
    </message>
    <message>
        <source>First usable</source>
        <translation>Première utilisable</translation>
    </message>
    <message>
        <source>First address</source>
        <translation>Première adresse</translation>
    </message>
    <message>
        <source>Last usable</source>
        <translation>Dernière utilisable</translation>
    </message>
    <message>
        <source>Last address</source>
        <translation>Dernière adresse</translation>
    </message>
    <message>
        <source>Broadcast</source>
        <translation>Diffusion</translation>
    </message>
    <message>
        <source>Usable hosts</source>
        <translation>Hôtes utilisables</translation>
    </message>
    <message>
        <source>/64 networks</source>
        <translation>Réseaux /64</translation>
    </message>
    <message>
        <source>Unused hosts</source>
        <translation>Hôtes inutilisés</translation>
    </message>
    <message>
        <source>Unused /64s</source>
        <translation>/64 inutilisés</translation>
    </message>
    <message>
        <source>Free</source>
        <translation>Libre</translation>
    </message>
    <message>
        <source>Network %1</source>
        <translation>Réseau %1</translation>
    </message>
    <message>
        <source>all</source>
        <translation>tous</translation>
    </message>
</context>
<context>
    <name>Ipv6SubnetList</name>
    <message>
        <source>%1 subnets of /%2 in %3</source>
        <translation>%1 sous-réseaux /%2 dans %3</translation>
    </message>
    <message>
        <source>; the first %1 are listed, %2 more are not</source>
        <translation>&#xa0;; les %1 premiers sont listés, %2 autres ne le sont pas</translation>
    </message>
</context>
<context>
    <name>Ipv6Texts</name>
    <message>
        <source>Type an IPv6 address, with /length if you like.</source>
        <translation>Saisissez une adresse IPv6, avec /longueur si vous le souhaitez.</translation>
    </message>
    <message>
        <source>zone indexes such as %1 are not part of an address</source>
        <translation>les index de zone comme %1 ne font pas partie d&apos;une adresse</translation>
    </message>
    <message>
        <source>This is an IPv4 address; the Subnet Calculator tab takes IPv4.</source>
        <translation>Ceci est une adresse IPv4&#xa0;; l&apos;onglet Calcul de sous-réseau accepte l&apos;IPv4.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a hex digit</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un chiffre hexadécimal</translation>
    </message>
    <message>
        <source>three or more colons in a row</source>
        <translation>trois deux-points ou plus à la suite</translation>
    </message>
    <message>
        <source>more than one &apos;::&apos;</source>
        <translation>plus d&apos;un «&#xa0;::&#xa0;»</translation>
    </message>
    <message>
        <source>it starts with a single &apos;:&apos;</source>
        <translation>elle commence par un seul «&#xa0;:&#xa0;»</translation>
    </message>
    <message>
        <source>it ends with a single &apos;:&apos;</source>
        <translation>elle se termine par un seul «&#xa0;:&#xa0;»</translation>
    </message>
    <message>
        <source>a dotted IPv4 part may only end the address</source>
        <translation>une partie IPv4 pointée ne peut que terminer l&apos;adresse</translation>
    </message>
    <message>
        <source>the dotted IPv4 part is not four numbers</source>
        <translation>la partie IPv4 pointée n&apos;a pas quatre nombres</translation>
    </message>
    <message>
        <source>the dotted IPv4 part has a number with a leading zero</source>
        <translation>la partie IPv4 pointée a un nombre avec un zéro initial</translation>
    </message>
    <message>
        <source>the dotted IPv4 part has a number above 255</source>
        <translation>la partie IPv4 pointée a un nombre supérieur à 255</translation>
    </message>
    <message numerus="yes">
        <source>%n group(s) and no &apos;::&apos;; an address has 8</source>
        <translation>
            <numerusform>%n groupe et aucun «&#xa0;::&#xa0;»&#xa0;; une adresse en a 8</numerusform>
            <numerusform>%n groupes et aucun «&#xa0;::&#xa0;»&#xa0;; une adresse en a 8</numerusform>
        </translation>
    </message>
    <message>
        <source>more than 8 groups</source>
        <translation>plus de 8 groupes</translation>
    </message>
    <message>
        <source>&apos;::&apos; beside 8 groups stands for none</source>
        <translation>«&#xa0;::&#xa0;» à côté de 8 groupes ne remplace rien</translation>
    </message>
    <message>
        <source>no prefix length after &apos;/&apos;</source>
        <translation>aucune longueur de préfixe après «&#xa0;/&#xa0;»</translation>
    </message>
    <message>
        <source>the prefix length is not a number</source>
        <translation>la longueur de préfixe n&apos;est pas un nombre</translation>
    </message>
    <message>
        <source>the prefix length has a leading zero</source>
        <translation>la longueur de préfixe a un zéro initial</translation>
    </message>
    <message>
        <source>the prefix length is above 128</source>
        <translation>la longueur de préfixe dépasse 128</translation>
    </message>
    <message>
        <source>bits are set beyond the prefix length</source>
        <translation>des bits sont à 1 au-delà de la longueur de préfixe</translation>
    </message>
    <message>
        <source>Not an IPv6 address: %1 (at character %2).</source>
        <translation>Pas une adresse IPv6&#xa0;: %1 (au caractère %2).</translation>
    </message>
    <message>
        <source>%1 (2^%2)</source>
        <translation>%1 (2^%2)</translation>
    </message>
    <message>
        <source>Global unicast; the network reaches into special-purpose blocks</source>
        <translation>Unicast global&#xa0;; le réseau déborde sur des blocs à usage spécial</translation>
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
        <translation>&#xa0;; le réseau dépasse ce bloc</translation>
    </message>
    <message>
        <source>IPv4-mapped: %1</source>
        <translation>IPv4 mappée&#xa0;: %1</translation>
    </message>
    <message>
        <source>6to4: %1</source>
        <translation>6to4&#xa0;: %1</translation>
    </message>
    <message>
        <source>Teredo: server %1, client %2, port %3</source>
        <translation>Teredo&#xa0;: serveur %1, client %2, port %3</translation>
    </message>
    <message>
        <source>NAT64: %1</source>
        <translation>NAT64&#xa0;: %1</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source> (/%1 is not on a nibble boundary; this is the zone of /%2)</source>
        <translation> (/%1 n&apos;est pas aligné sur un quartet&#xa0;; c&apos;est la zone du /%2)</translation>
    </message>
    <message>
        <source>No network follows %1: it ends the address space.</source>
        <translation>Aucun réseau ne suit %1&#xa0;: il termine l&apos;espace d&apos;adressage.</translation>
    </message>
    <message>
        <source>No network comes before %1: it starts the address space.</source>
        <translation>Aucun réseau ne précède %1&#xa0;: il commence l&apos;espace d&apos;adressage.</translation>
    </message>
    <message numerus="yes">
        <source>group %1 has %n digit(s)</source>
        <translation>
            <numerusform>le groupe %1 a %n chiffre</numerusform>
            <numerusform>le groupe %1 a %n chiffres</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>NeedsModel</name>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>/64 networks or /n</source>
        <translation>Réseaux /64 ou /n</translation>
    </message>
    <message>
        <source>Hosts or /n</source>
        <translation>Hôtes ou /n</translation>
    </message>
    <message>
        <source>How many /64 networks the need takes, or /n for a network of prefix length n</source>
        <translation>Nombre de réseaux /64 que demande le besoin, ou /n pour un réseau de longueur de préfixe n</translation>
    </message>
    <message>
        <source>How many usable host addresses the need takes, or /n for a network of prefix length n</source>
        <translation>Nombre d&apos;adresses d&apos;hôte utilisables que demande le besoin, ou /n pour un réseau de longueur de préfixe n</translation>
    </message>
</context>
<context>
    <name>OctetBoxRow</name>
    <message>
        <source>%1, octet %2 of %3</source>
        <extracomment>An octet box&apos;s accessible name: %1 the address it is part of, %2 its place, %3 the count.</extracomment>
        <translation>%1, octet %2 sur %3</translation>
    </message>
</context>
<context>
    <name>PlanCommandBar</name>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Ouvrir…</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Enregistrer sous…</translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation>Export CSV…</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Open Plan</source>
        <translation>Ouvrir un plan</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Annuler «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Rétablir «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Recent plans</source>
        <translation>Plans récents</translation>
    </message>
    <message>
        <source>plan</source>
        <translation>plan</translation>
    </message>
    <message>
        <source>Save Plan As</source>
        <translation>Enregistrer le plan sous</translation>
    </message>
    <message>
        <source>Save Plan</source>
        <translation>Enregistrer le plan</translation>
    </message>
    <message>
        <source>Export Answer as CSV</source>
        <translation>Exporter le résultat en CSV</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exporter en CSV</translation>
    </message>
    <message>
        <source>The plan has unsaved changes. Save them?</source>
        <translation>Le plan a des modifications non enregistrées. Les enregistrer&#xa0;?</translation>
    </message>
    <message>
        <source>The plan %1 has unsaved changes. Save them?</source>
        <translation>Le plan %1 a des modifications non enregistrées. Les enregistrer&#xa0;?</translation>
    </message>
    <message>
        <source>Planner</source>
        <translation>Planification</translation>
    </message>
    <message>
        <source>Untitled plan</source>
        <translation>Sans titre</translation>
    </message>
    <message>
        <source>%1 (unsaved)</source>
        <translation>%1 (non enregistré)</translation>
    </message>
    <message>
        <source>No recent plans</source>
        <translation>Aucun plan récent</translation>
    </message>
</context>
<context>
    <name>PlanDocument</name>
    <message>
        <source>Parent network</source>
        <translation>Réseau parent</translation>
    </message>
    <message>
        <source>Way to divide</source>
        <translation>Mode de découpage</translation>
    </message>
    <message>
        <source>Split length</source>
        <translation>Longueur de découpage</translation>
    </message>
    <message>
        <source>Number of networks</source>
        <translation>Nombre de réseaux</translation>
    </message>
    <message>
        <source>Two-host links</source>
        <translation>Liaisons à deux hôtes</translation>
    </message>
    <message>
        <source>Edit need</source>
        <translation>Modifier le besoin</translation>
    </message>
    <message>
        <source>Move need</source>
        <translation>Déplacer le besoin</translation>
    </message>
    <message numerus="yes">
        <source>Add %n need(s)</source>
        <translation>
            <numerusform>Ajouter %n besoin</numerusform>
            <numerusform>Ajouter %n besoins</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Remove %n need(s)</source>
        <translation>
            <numerusform>Supprimer %n besoin</numerusform>
            <numerusform>Supprimer %n besoins</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PlanFiles</name>
    <message>
        <source>%1 was not opened.
%2</source>
        <translation>%1 n’a pas été ouvert.
%2</translation>
    </message>
    <message>
        <source>The networks stored in %1 are not the ones its plan gives (%2). The plan&apos;s own are shown.</source>
        <translation>Les réseaux enregistrés dans %1 ne sont pas ceux que donne son plan (%2). Ceux du plan sont affichés.</translation>
    </message>
    <message>
        <source>The plan was not saved: &apos;%1&apos; is not a network yet.</source>
        <translation>Le plan n’a pas été enregistré : «&#xa0;%1&#xa0;» n’est pas encore un réseau.</translation>
    </message>
    <message>
        <source>The plan</source>
        <translation>Le plan</translation>
    </message>
    <message>
        <source>The answer</source>
        <translation>Le résultat</translation>
    </message>
    <message>
        <source>Address plans (*.%1);;All files (*)</source>
        <translation>Plans d’adressage (*.%1);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Fichiers CSV (*.csv);;Tous les fichiers (*)</translation>
    </message>
</context>
<context>
    <name>PlanPicture</name>
    <message>
        <source>No plan to draw.</source>
        <translation>Aucun plan à dessiner.</translation>
    </message>
    <message>
        <source>Addresses run from left to right, lowest first; hatched blocks are free.</source>
        <translation>Les adresses vont de gauche à droite, la plus basse en premier&#xa0;; les blocs hachurés sont libres.</translation>
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
            <numerusform>%n bloc trop petit pour être dessiné à l&apos;échelle est dessiné sur %1 pixels de large, marqué d&apos;un point.</numerusform>
            <numerusform>%n blocs trop petits pour être dessinés à l&apos;échelle sont dessinés sur %1 pixels de large, marqués d&apos;un point.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PlanTexts</name>
    <message>
        <source>Type the network to divide, as 10.0.0.0/24, 10.0.0.0 255.255.255.0 or 2001:db8::/48.</source>
        <translation>Saisissez le réseau à découper, comme 10.0.0.0/24, 10.0.0.0 255.255.255.0 ou 2001:db8::/48.</translation>
    </message>
    <message>
        <source>Not a network: write an address and its prefix length or mask.</source>
        <translation>Pas un réseau&#xa0;: écrivez une adresse et sa longueur de préfixe ou son masque.</translation>
    </message>
    <message>
        <source>Not a network: a number with a leading zero is ambiguous.</source>
        <translation>Pas un réseau&#xa0;: un nombre avec un zéro initial est ambigu.</translation>
    </message>
    <message>
        <source>Not a network: a part of the address is too large.</source>
        <translation>Pas un réseau&#xa0;: une partie de l&apos;adresse est trop grande.</translation>
    </message>
    <message>
        <source>Not a network: the prefix length is not one the address family allows.</source>
        <translation>Pas un réseau&#xa0;: la famille d&apos;adresses n&apos;admet pas cette longueur de préfixe.</translation>
    </message>
    <message>
        <source>Not a network: a mask has its one bits first, with no gap.</source>
        <translation>Pas un réseau&#xa0;: un masque a ses bits à 1 en tête, sans trou.</translation>
    </message>
    <message>
        <source>Not a network: the address has bits set beyond the prefix length.</source>
        <translation>Pas un réseau&#xa0;: l&apos;adresse a des bits à 1 au-delà de la longueur de préfixe.</translation>
    </message>
    <message>
        <source>Not a network: a zone index (%) names a link, not a network.</source>
        <translation>Pas un réseau&#xa0;: un index de zone (%) désigne un lien, pas un réseau.</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>ligne %1</translation>
    </message>
    <message>
        <source>more than </source>
        <translation>plus de </translation>
    </message>
    <message>
        <source>Does not fit: %1 addresses missing in %2.</source>
        <translation>Ne tient pas&#xa0;: il manque %1 adresses dans %2.</translation>
    </message>
    <message>
        <source>Does not fit: %1 addresses missing in %2; %3 is the first need with no room left.</source>
        <translation>Ne tient pas&#xa0;: il manque %1 adresses dans %2&#xa0;; %3 est le premier besoin sans place.</translation>
    </message>
    <message>
        <source>%1 asks for /%2, longer than an %3 address.</source>
        <translation>%1 demande un /%2, plus long qu&apos;une adresse %3.</translation>
    </message>
    <message>
        <source>/%1 is longer than an %2 address.</source>
        <translation>/%1 est plus long qu&apos;une adresse %2.</translation>
    </message>
    <message>
        <source>Split into how many networks? At least one.</source>
        <translation>Découper en combien de réseaux&#xa0;? Au moins un.</translation>
    </message>
    <message>
        <source>That makes more than %1 networks; choose fewer.</source>
        <translation>Cela fait plus de %1 réseaux&#xa0;; choisissez-en moins.</translation>
    </message>
    <message>
        <source>%1 in %2: %3 of %4 addresses allocated (%5 %).</source>
        <translation>%1 dans %2&#xa0;: %3 adresses sur %4 attribuées (%5&#xa0;%).</translation>
    </message>
    <message>
        <source>Line %1: “%2” is not a size (a number, or /n for a prefix length).</source>
        <translation>Ligne %1&#xa0;: «&#xa0;%2&#xa0;» n&apos;est pas une taille (un nombre, ou /n pour une longueur de préfixe).</translation>
    </message>
    <message numerus="yes">
        <source>%n network(s)</source>
        <translation>
            <numerusform>%n réseau</numerusform>
            <numerusform>%n réseaux</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ReportFile</name>
    <message>
        <source>The report was saved as
%1
but no program could open it.</source>
        <translation>Le rapport a été enregistré sous
%1
mais aucun programme n&apos;a pu l&apos;ouvrir.</translation>
    </message>
    <message>
        <source>The EULA Is Unavailable At This Time

No program could open
%1</source>
        <translation>Le contrat de licence n&apos;est pas disponible pour le moment

Aucun programme n&apos;a pu ouvrir
%1</translation>
    </message>
    <message>
        <source>No web browser could open
%1</source>
        <translation>Aucun navigateur web n&apos;a pu ouvrir
%1</translation>
    </message>
    <message>
        <source>No folder was named to create.</source>
        <translation>Aucun dossier à créer n&apos;a été indiqué.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a file, not a folder.</source>
        <translation>«&#xa0;%1&#xa0;» est un fichier, pas un dossier.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; cannot be created because &quot;%2&quot; is a file.</source>
        <translation>Le dossier «&#xa0;%1&#xa0;» ne peut pas être créé car «&#xa0;%2&#xa0;» est un fichier.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; could not be created.</source>
        <translation>Le dossier «&#xa0;%1&#xa0;» n&apos;a pas pu être créé.</translation>
    </message>
    <message>
        <source>The documents folder is unknown, so the reports have no folder to go to.</source>
        <translation>Le dossier Documents est inconnu&#xa0;; les rapports n&apos;ont donc aucun dossier où aller.</translation>
    </message>
    <message>
        <source>%1 could not be saved.
%2</source>
        <translation>%1 n&apos;a pas pu être enregistré.
%2</translation>
    </message>
    <message>
        <source>%1 could not be saved to %2.
%3</source>
        <translation>%1 n&apos;a pas pu être enregistré dans %2.
%3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not exist.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;existe pas.</translation>
    </message>
</context>
<context>
    <name>SpecialBlockNames</name>
    <message>
        <source>This network</source>
        <translation>Ce réseau</translation>
    </message>
    <message>
        <source>This host on this network</source>
        <translation>Cet hôte sur ce réseau</translation>
    </message>
    <message>
        <source>Private-Use</source>
        <translation>Usage privé</translation>
    </message>
    <message>
        <source>Shared Address Space</source>
        <translation>Espace d’adressage partagé</translation>
    </message>
    <message>
        <source>Loopback</source>
        <translation>Bouclage</translation>
    </message>
    <message>
        <source>Link Local</source>
        <translation>Lien local</translation>
    </message>
    <message>
        <source>IETF Protocol Assignments</source>
        <translation>Attributions de protocole de l’IETF</translation>
    </message>
    <message>
        <source>IPv4 Service Continuity Prefix</source>
        <translation>Préfixe de continuité de service IPv4</translation>
    </message>
    <message>
        <source>IPv4 dummy address</source>
        <translation>Adresse IPv4 factice</translation>
    </message>
    <message>
        <source>Port Control Protocol Anycast</source>
        <translation>Anycast du Port Control Protocol</translation>
    </message>
    <message>
        <source>Traversal Using Relays around NAT Anycast</source>
        <translation>Anycast de Traversal Using Relays around NAT</translation>
    </message>
    <message>
        <source>NAT64/DNS64 Discovery</source>
        <translation>Découverte NAT64/DNS64</translation>
    </message>
    <message>
        <source>Documentation (TEST-NET-1)</source>
        <translation>Documentation (TEST-NET-1)</translation>
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
        <translation>Obsolète (anycast de relais 6to4)</translation>
    </message>
    <message>
        <source>6a44-relay anycast address</source>
        <translation>Adresse anycast de relais 6a44</translation>
    </message>
    <message>
        <source>Direct Delegation AS112 Service</source>
        <translation>Service AS112 à délégation directe</translation>
    </message>
    <message>
        <source>Benchmarking</source>
        <translation>Tests de performance</translation>
    </message>
    <message>
        <source>Documentation (TEST-NET-2)</source>
        <translation>Documentation (TEST-NET-2)</translation>
    </message>
    <message>
        <source>Documentation (TEST-NET-3)</source>
        <translation>Documentation (TEST-NET-3)</translation>
    </message>
    <message>
        <source>Multicast</source>
        <translation>Multidiffusion</translation>
    </message>
    <message>
        <source>Reserved</source>
        <translation>Réservé</translation>
    </message>
    <message>
        <source>Limited Broadcast</source>
        <translation>Diffusion limitée</translation>
    </message>
    <message>
        <source>Unspecified Address</source>
        <translation>Adresse non spécifiée</translation>
    </message>
    <message>
        <source>Loopback Address</source>
        <translation>Adresse de bouclage</translation>
    </message>
    <message>
        <source>IPv4-mapped Address</source>
        <translation>Adresse IPv4 mappée</translation>
    </message>
    <message>
        <source>IPv4-IPv6 Translat.</source>
        <translation>Traduction IPv4-IPv6</translation>
    </message>
    <message>
        <source>Discard-Only Address Block</source>
        <translation>Bloc d’adresses à rejeter</translation>
    </message>
    <message>
        <source>Dummy IPv6 Prefix</source>
        <translation>Préfixe IPv6 factice</translation>
    </message>
    <message>
        <source>TEREDO</source>
        <translation>TEREDO</translation>
    </message>
    <message>
        <source>DNS-SD Service Registration Protocol Anycast Address</source>
        <translation>Adresse anycast du DNS-SD Service Registration Protocol</translation>
    </message>
    <message>
        <source>AS112-v6</source>
        <translation>AS112-v6</translation>
    </message>
    <message>
        <source>Deprecated (previously ORCHID)</source>
        <translation>Obsolète (anciennement ORCHID)</translation>
    </message>
    <message>
        <source>ORCHIDv2</source>
        <translation>ORCHIDv2</translation>
    </message>
    <message>
        <source>Drone Remote ID Protocol Entity Tags (DETs) Prefix</source>
        <translation>Préfixe des étiquettes d’entité Drone Remote ID (DET)</translation>
    </message>
    <message>
        <source>Documentation</source>
        <translation>Documentation</translation>
    </message>
    <message>
        <source>6to4</source>
        <translation>6to4</translation>
    </message>
    <message>
        <source>Segment Routing (SRv6) SIDs</source>
        <translation>SID de routage par segment (SRv6)</translation>
    </message>
    <message>
        <source>Unique-Local</source>
        <translation>Local unique</translation>
    </message>
    <message>
        <source>Link-Local Unicast</source>
        <translation>Unicast lien local</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Ferol logo</source>
        <translation>Logo Ferol</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Closes this dialog</source>
        <translation>Ferme cette boîte de dialogue</translation>
    </message>
    <message>
        <source>View DODA</source>
        <translation>Voir le DODA</translation>
    </message>
    <message>
        <source>Opens the license document</source>
        <translation>Ouvre le document de licence</translation>
    </message>
    <message>
        <source>&amp;View DODA</source>
        <translation>&amp;Voir le DODA</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
    </message>
    <message>
        <source>Ferol Subnet Calculator contains the following tools for IPv4 and IPv6:  Subnet Calculator, Wildcard Checker, Decimal IP Calculator, IPv6 Calculator.</source>
        <translation>Outils de Ferol Subnet Calculator pour IPv4 et IPv6&#xa0;: calcul de sous-réseau, masque générique, IP décimale, calcul IPv6.</translation>
    </message>
    <message>
        <source>Copyright © 2026 Ferol. All rights reserved. This program is provided as is, without warranty of any kind.</source>
        <translation>Copyright © 2026 Ferol. Tous droits réservés. Ce programme est fourni en l&apos;état, sans garantie d&apos;aucune sorte.</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
</context>
<context>
    <name>frmWelcome2</name>
    <message>
        <source>Subnet Mask Calculator</source>
        <translation>Calcul de sous-réseau</translation>
    </message>
    <message>
        <source>Wildcard Mask Checker</source>
        <translation>Masque générique</translation>
    </message>
    <message>
        <source>Decimal IP Calculator</source>
        <translation>IP décimale</translation>
    </message>
    <message>
        <source>IPv6 Calculator</source>
        <translation>Calcul IPv6</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>&amp;Subnet Mask Calculator</source>
        <translation>Calcul de &amp;masque de sous-réseau</translation>
    </message>
    <message>
        <source>&amp;Wildcard Mask Checker</source>
        <translation>Vérification de masque &amp;générique</translation>
    </message>
    <message>
        <source>&amp;Decimal IP Calculator</source>
        <translation>Calcul d&apos;IP &amp;décimale</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;More</source>
        <translation>&amp;Plus</translation>
    </message>
    <message>
        <source>Free &amp;Lumbra Demo (Network Simulator)</source>
        <translation>Démo gratuite de &amp;Lumbra (simulateur de réseau)</translation>
    </message>
    <message>
        <source>Free &amp;Orvat Demos (Practice Exams)</source>
        <translation>Démos gratuites d&apos;&amp;Orvat (examens d&apos;entraînement)</translation>
    </message>
    <message>
        <source>Ferol&apos;s Free &amp;Utilities</source>
        <translation>&amp;Utilitaires gratuits de Ferol</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Ferol Home Page</source>
        <translation>Page d&apos;accueil &amp;Ferol</translation>
    </message>
    <message>
        <source>&amp;Contact Us</source>
        <translation>&amp;Nous contacter</translation>
    </message>
    <message>
        <source>&amp;About Subnet Calculator</source>
        <translation>À &amp;propos de Subnet Calculator</translation>
    </message>
    <message>
        <source>Exit?</source>
        <translation>Quitter&#xa0;?</translation>
    </message>
    <message>
        <source>Are you sure you want to exit?</source>
        <translation>Voulez-vous vraiment quitter&#xa0;?</translation>
    </message>
    <message>
        <source>Ferol banner</source>
        <translation>Bannière Ferol</translation>
    </message>
    <message>
        <source>Shows the Ferol tab</source>
        <translation>Affiche l&apos;onglet Ferol</translation>
    </message>
    <message>
        <source>Planner</source>
        <translation>Planification</translation>
    </message>
</context>
<context>
    <name>ucDecimalCalc</name>
    <message>
        <source>IP address</source>
        <translation>Adresse IP</translation>
    </message>
    <message>
        <source>Changing an octet updates the decimal address</source>
        <translation>Modifier un octet met à jour l&apos;adresse décimale</translation>
    </message>
    <message>
        <source>Example addresses button</source>
        <translation>Bouton des adresses d&apos;exemple</translation>
    </message>
    <message>
        <source>Opens and closes the list of example addresses</source>
        <translation>Ouvre et ferme la liste des adresses d&apos;exemple</translation>
    </message>
    <message>
        <source>Example addresses</source>
        <translation>Adresses d&apos;exemple</translation>
    </message>
    <message>
        <source>Up and Down fill in the highlighted address; Enter or Space picks it</source>
        <translation>Haut et Bas insèrent l&apos;adresse en surbrillance&#xa0;; Entrée ou Espace la choisit</translation>
    </message>
    <message>
        <source>Decimal address</source>
        <translation>Adresse décimale</translation>
    </message>
    <message>
        <source>Typing a number here updates the octets</source>
        <translation>Saisir un nombre ici met à jour les octets</translation>
    </message>
    <message>
        <source>What the decimal address is for</source>
        <translation>À quoi sert l&apos;adresse décimale</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>Adresse IP</translation>
    </message>
    <message>
        <source>Decimal Address</source>
        <translation>Adresse décimale</translation>
    </message>
    <message>
        <source>We normally think of using an IP address to navigate to a Web  site. For example:
http://172.16.128.14

Alternatively, you can use the decimal equivalent to navigate to a Web site. For example:
http://2886762510
</source>
        <translation>On pense généralement à utiliser une adresse IP pour accéder à un site web. Par exemple&#xa0;:
http://172.16.128.14

Vous pouvez aussi utiliser son équivalent décimal pour accéder à un site web. Par exemple&#xa0;:
http://2886762510
</translation>
    </message>
</context>
<context>
    <name>ucFerol</name>
    <message>
        <source>Ferol products</source>
        <translation>Produits Ferol</translation>
    </message>
    <message>
        <source>Tab moves from link to link; Enter opens one in the web browser</source>
        <translation>Tab passe d&apos;un lien à l&apos;autre&#xa0;; Entrée l&apos;ouvre dans le navigateur web</translation>
    </message>
</context>
<context>
    <name>ucIpv6Calc</name>
    <message>
        <source>&amp;Address:</source>
        <translation>A&amp;dresse&#xa0;:</translation>
    </message>
    <message>
        <source>IPv6 address</source>
        <translation>Adresse IPv6</translation>
    </message>
    <message>
        <source>Any IPv6 text form, optionally with /length</source>
        <translation>Toute forme textuelle IPv6, avec /longueur en option</translation>
    </message>
    <message>
        <source>Prefix &amp;length:</source>
        <translation>&amp;Longueur de préfixe&#xa0;:</translation>
    </message>
    <message>
        <source>Prefix length</source>
        <translation>Longueur de préfixe</translation>
    </message>
    <message>
        <source>0 to 128; arrow keys, Home, End or digits</source>
        <translation>0 à 128&#xa0;; flèches, Début, Fin ou chiffres</translation>
    </message>
    <message>
        <source>&amp;Previous network</source>
        <translation>Réseau pré&amp;cédent</translation>
    </message>
    <message>
        <source>&amp;Next network</source>
        <translation>Réseau &amp;suivant</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Compressed:</source>
        <translation>Compressée&#xa0;:</translation>
    </message>
    <message>
        <source>Expanded:</source>
        <translation>Développée&#xa0;:</translation>
    </message>
    <message>
        <source>Network:</source>
        <translation>Réseau&#xa0;:</translation>
    </message>
    <message>
        <source>First address:</source>
        <translation>Première adresse&#xa0;:</translation>
    </message>
    <message>
        <source>Last address:</source>
        <translation>Dernière adresse&#xa0;:</translation>
    </message>
    <message>
        <source>Addresses:</source>
        <translation>Adresses&#xa0;:</translation>
    </message>
    <message>
        <source>/64 networks:</source>
        <translation>Réseaux /64&#xa0;:</translation>
    </message>
    <message>
        <source>Block:</source>
        <translation>Bloc&#xa0;:</translation>
    </message>
    <message>
        <source>Embedded IPv4:</source>
        <translation>IPv4 intégrée&#xa0;:</translation>
    </message>
    <message>
        <source>Reverse name:</source>
        <translation>Nom inverse&#xa0;:</translation>
    </message>
    <message>
        <source>Reverse zone:</source>
        <translation>Zone inverse&#xa0;:</translation>
    </message>
    <message>
        <source>Hex worksheet:</source>
        <translation>Tableau hexadécimal&#xa0;:</translation>
    </message>
    <message>
        <source>Network digits bold and underlined, interface digits plain, a digit holding both bold italic.</source>
        <translation>Chiffres du réseau en gras soulignés, chiffres de l&apos;interface normaux, un chiffre mêlant les deux en gras italique.</translation>
    </message>
    <message>
        <source>&amp;Subnets of length:</source>
        <translation>Sous-&amp;réseaux de longueur&#xa0;:</translation>
    </message>
    <message>
        <source>Subnets of length</source>
        <translation>Sous-réseaux de longueur</translation>
    </message>
    <message>
        <source>Subnet prefix length</source>
        <translation>Longueur de préfixe des sous-réseaux</translation>
    </message>
    <message>
        <source>Sa&amp;ve...</source>
        <translation>&amp;Enregistrer...</translation>
    </message>
    <message>
        <source>Saves the listing as ipv6-subnets.txt and opens it</source>
        <translation>Enregistre la liste sous ipv6-subnets.txt et l&apos;ouvre</translation>
    </message>
    <message>
        <source>Subnet count</source>
        <translation>Nombre de sous-réseaux</translation>
    </message>
    <message>
        <source>Subnets</source>
        <translation>Sous-réseaux</translation>
    </message>
    <message>
        <source>None: the prefix is longer than /64</source>
        <translation>Aucun&#xa0;: le préfixe est plus long que /64</translation>
    </message>
    <message>
        <source>A /128 holds no smaller networks.</source>
        <translation>Un /128 ne contient aucun réseau plus petit.</translation>
    </message>
    <message>
        <source>The IPv6 subnet list</source>
        <translation>La liste des sous-réseaux IPv6</translation>
    </message>
    <message>
        <source>IPv6 Calculator</source>
        <translation>Calcul IPv6</translation>
    </message>
</context>
<context>
    <name>ucPlanner</name>
    <message>
        <source>&amp;Network to divide:</source>
        <translation>Réseau à &amp;découper&#xa0;:</translation>
    </message>
    <message>
        <source>10.0.0.0/24, 10.0.0.0 255.255.255.0 or 2001:db8::/48</source>
        <translation>10.0.0.0/24, 10.0.0.0 255.255.255.0 ou 2001:db8::/48</translation>
    </message>
    <message>
        <source>&amp;Divide by:</source>
        <translation>Découper &amp;selon&#xa0;:</translation>
    </message>
    <message>
        <source>VLSM: each need its smallest network</source>
        <translation>VLSM&#xa0;: le plus petit réseau par besoin</translation>
    </message>
    <message>
        <source>Equal split into networks of /n</source>
        <translation>Découpage égal en réseaux /n</translation>
    </message>
    <message>
        <source>Equal split into N networks</source>
        <translation>Découpage égal en N réseaux</translation>
    </message>
    <message>
        <source> networks</source>
        <translation> réseaux</translation>
    </message>
    <message>
        <source>Needs of &amp;2 hosts take a /31 (RFC 3021)</source>
        <translation>Besoins de &amp;2 hôtes en /31 (RFC 3021)</translation>
    </message>
    <message>
        <source>N&amp;eeds:</source>
        <translation>B&amp;esoins&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>A&amp;jouter</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Retirer</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>&amp;Monter</translation>
    </message>
    <message>
        <source>Do&amp;wn</source>
        <translation>Des&amp;cendre</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Co&amp;ller</translation>
    </message>
    <message>
        <source>Allocated net&amp;works:</source>
        <translation>Réseaux attri&amp;bués&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Copy all</source>
        <translation>&amp;Tout copier</translation>
    </message>
    <message>
        <source>Paste needs</source>
        <translation>Coller des besoins</translation>
    </message>
    <message>
        <source>Add need</source>
        <translation>Ajouter un besoin</translation>
    </message>
    <message>
        <source>Remove need</source>
        <translation>Supprimer le besoin</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Nothing pasted. %1</source>
        <translation>Rien n&apos;a été collé. %1</translation>
    </message>
    <message>
        <source>Nothing pasted: no lines of a name and a size.</source>
        <translation>Rien n&apos;a été collé&#xa0;: aucune ligne avec un nom et une taille.</translation>
    </message>
    <message>
        <source>Network to divide</source>
        <translation>Réseau à découper</translation>
    </message>
    <message>
        <source>An IPv4 or IPv6 network with its prefix length or mask</source>
        <translation>Un réseau IPv4 ou IPv6 avec sa longueur de préfixe ou son masque</translation>
    </message>
    <message>
        <source>Network to divide, problem</source>
        <translation>Réseau à découper, problème</translation>
    </message>
    <message>
        <source>How to divide</source>
        <translation>Mode de découpage</translation>
    </message>
    <message>
        <source>Prefix length of each network</source>
        <translation>Longueur de préfixe de chaque réseau</translation>
    </message>
    <message>
        <source>Number of networks</source>
        <translation>Nombre de réseaux</translation>
    </message>
    <message>
        <source>Two-host needs take a /31</source>
        <translation>Besoins de deux hôtes en /31</translation>
    </message>
    <message>
        <source>Plan picture</source>
        <translation>Image du plan</translation>
    </message>
    <message>
        <source>The parent&apos;s addresses from first to last; Left and Right select a network</source>
        <translation>Les adresses du réseau parent de la première à la dernière&#xa0;; Gauche et Droite choisissent un réseau</translation>
    </message>
    <message>
        <source>Plan result</source>
        <translation>Résultat du plan</translation>
    </message>
    <message>
        <source>Needs</source>
        <translation>Besoins</translation>
    </message>
    <message>
        <source>One row per need, a name and a size; paste lines of name and size</source>
        <translation>Une ligne par besoin, un nom et une taille&#xa0;; collez des lignes de nom et de taille</translation>
    </message>
    <message>
        <source>Needs, what a paste left out</source>
        <translation>Besoins, ce qu&apos;un collage a laissé de côté</translation>
    </message>
    <message>
        <source>Move need up</source>
        <translation>Monter le besoin</translation>
    </message>
    <message>
        <source>Move need down</source>
        <translation>Descendre le besoin</translation>
    </message>
    <message>
        <source>Allocated networks</source>
        <translation>Réseaux attribués</translation>
    </message>
    <message>
        <source>Copy the allocated networks as text</source>
        <translation>Copie les réseaux attribués sous forme de texte</translation>
    </message>
</context>
<context>
    <name>ucSubnetCalc</name>
    <message>
        <source>Subnetting</source>
        <translation>Découpage en sous-réseaux</translation>
    </message>
    <message>
        <source>Supernetting</source>
        <translation>Super-réseau</translation>
    </message>
    <message>
        <source>Mask too long, no hosts.</source>
        <translation>Masque trop long, aucun hôte.</translation>
    </message>
    <message>
        <source>Subnetting as per RFC3021.</source>
        <translation>Sous-réseaux selon la RFC3021.</translation>
    </message>
    <message>
        <source>Warning! Subnet - All 0&apos;s</source>
        <translation>Attention&#xa0;! Sous-réseau – que des 0</translation>
    </message>
    <message>
        <source>Invalid Subnet - All 1&apos;s</source>
        <translation>Sous-réseau non valide – que des 1</translation>
    </message>
    <message>
        <source>Enter Complete Host Address</source>
        <translation>Adresse d&apos;hôte incomplète</translation>
    </message>
    <message>
        <source>Class A Address</source>
        <translation>Adresse de classe A</translation>
    </message>
    <message>
        <source>Loopback Address</source>
        <translation>Adresse de bouclage</translation>
    </message>
    <message>
        <source>Class B Address</source>
        <translation>Adresse de classe B</translation>
    </message>
    <message>
        <source>Class C Address</source>
        <translation>Adresse de classe C</translation>
    </message>
    <message>
        <source>Invalid IP Address</source>
        <translation>Adresse IP non valide</translation>
    </message>
    <message>
        <source>You must enter the IP Address</source>
        <translation>Vous devez saisir l&apos;adresse IP</translation>
    </message>
    <message>
        <source>Host address</source>
        <translation>Adresse d&apos;hôte</translation>
    </message>
    <message>
        <source>Address class</source>
        <translation>Classe d&apos;adresse</translation>
    </message>
    <message>
        <source>Mask and counts</source>
        <translation>Masque et nombres</translation>
    </message>
    <message>
        <source>Mask length</source>
        <translation>Longueur du masque</translation>
    </message>
    <message>
        <source>Number of leading one bits of the subnet mask, 1 to 32</source>
        <translation>Nombre de bits à 1 en tête du masque de sous-réseau, de 1 à 32</translation>
    </message>
    <message>
        <source>Mask bits</source>
        <translation>Bits de masque</translation>
    </message>
    <message>
        <source>Subnet mask</source>
        <translation>Masque de sous-réseau</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Subnet bits</source>
        <translation>Bits de sous-réseau</translation>
    </message>
    <message>
        <source>Host bits</source>
        <translation>Bits d&apos;hôte</translation>
    </message>
    <message>
        <source>Maximum subnets</source>
        <translation>Nombre maximal de sous-réseaux</translation>
    </message>
    <message>
        <source>Maximum hosts</source>
        <translation>Nombre maximal d&apos;hôtes</translation>
    </message>
    <message>
        <source>Current subnet</source>
        <translation>Sous-réseau actuel</translation>
    </message>
    <message>
        <source>Current network</source>
        <translation>Réseau actuel</translation>
    </message>
    <message>
        <source>Subnet mask of the current network</source>
        <translation>Masque de sous-réseau du réseau actuel</translation>
    </message>
    <message>
        <source>Current host range</source>
        <translation>Plage d&apos;hôtes actuelle</translation>
    </message>
    <message>
        <source>Binary worksheet</source>
        <translation>Tableau binaire</translation>
    </message>
    <message>
        <source>Host in binary</source>
        <translation>Hôte en binaire</translation>
    </message>
    <message>
        <source>Mask in binary</source>
        <translation>Masque en binaire</translation>
    </message>
    <message>
        <source>Network in binary</source>
        <translation>Réseau en binaire</translation>
    </message>
    <message>
        <source>Network address</source>
        <translation>Adresse réseau</translation>
    </message>
    <message>
        <source>Previous subnet</source>
        <translation>Sous-réseau précédent</translation>
    </message>
    <message>
        <source>Steps the host address back to the previous subnet</source>
        <translation>Ramène l&apos;adresse d&apos;hôte au sous-réseau précédent</translation>
    </message>
    <message>
        <source>Next subnet</source>
        <translation>Sous-réseau suivant</translation>
    </message>
    <message>
        <source>Steps the host address on to the next subnet</source>
        <translation>Avance l&apos;adresse d&apos;hôte au sous-réseau suivant</translation>
    </message>
    <message>
        <source>Broadcast in binary</source>
        <translation>Diffusion en binaire</translation>
    </message>
    <message>
        <source>Broadcast address</source>
        <translation>Adresse de diffusion</translation>
    </message>
    <message>
        <source>Send Next 20 Subnets to Notepad</source>
        <translation>Envoyer 20 sous-réseaux au Bloc-notes</translation>
    </message>
    <message>
        <source>Writes this subnet and the next nineteen to a text file and opens it</source>
        <translation>Écrit ce sous-réseau et les dix-neuf suivants dans un fichier texte et l&apos;ouvre</translation>
    </message>
    <message>
        <source>31-bit mask as per RFC 3021</source>
        <translation>Masque /31 (RFC 3021)</translation>
    </message>
    <message>
        <source>Counts two hosts in a subnet with a 31-bit mask</source>
        <translation>Compte deux hôtes dans un sous-réseau à masque de 31 bits</translation>
    </message>
    <message>
        <source>&amp;Host IP</source>
        <translation>IP d&apos;&amp;hôte</translation>
    </message>
    <message>
        <source>Mask Bits</source>
        <translation>Bits de masque</translation>
    </message>
    <message>
        <source>Subnet Bits</source>
        <translation>Bits de sous-réseau</translation>
    </message>
    <message>
        <source>Host Bits</source>
        <translation>Bits d&apos;hôte</translation>
    </message>
    <message>
        <source>Max Subnets</source>
        <translation>Sous-réseaux max.</translation>
    </message>
    <message>
        <source>Max Hosts</source>
        <translation>Hôtes max.</translation>
    </message>
    <message>
        <source>Current Network:</source>
        <translation>Réseau actuel&#xa0;:</translation>
    </message>
    <message>
        <source>Subnet Mask:</source>
        <translation>Masque de sous-réseau&#xa0;:</translation>
    </message>
    <message>
        <source>Current Host Range</source>
        <translation>Plage d&apos;hôtes actuelle</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Hôte</translation>
    </message>
    <message>
        <source>Mask</source>
        <translation>Masque</translation>
    </message>
    <message>
        <source>Subnet</source>
        <translation>Réseau</translation>
    </message>
    <message>
        <source>Broadcast</source>
        <translation>Diffusion</translation>
    </message>
    <message>
        <source>&lt;Prev Subnet</source>
        <translation>&lt;Précédent</translation>
    </message>
    <message>
        <source>Next Subnet&gt;</source>
        <translation>Suivant&gt;</translation>
    </message>
    <message>
        <source>&amp;31-bit mask as per RFC 3021</source>
        <translation>Masque /&amp;31 (RFC 3021)</translation>
    </message>
    <message>
        <source>Subnet Calculator</source>
        <translation>Calcul de sous-réseau</translation>
    </message>
    <message>
        <source>This is the last subnet.</source>
        <translation>C&apos;est le dernier sous-réseau.</translation>
    </message>
    <message>
        <source>This is the first subnet.</source>
        <translation>C&apos;est le premier sous-réseau.</translation>
    </message>
    <message>
        <source>The subnet list</source>
        <translation>La liste des sous-réseaux</translation>
    </message>
    <message>
        <source>RESULT</source>
        <translation>RÉSULTAT</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucune</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <comment>host range</comment>
        <translation>%1 à %2</translation>
    </message>
</context>
<context>
    <name>ucWildCardChecker</name>
    <message>
        <source>IP &amp;Address</source>
        <translation>A&amp;dresse IP</translation>
    </message>
    <message>
        <source>Wildcard &amp;Mask</source>
        <translation>&amp;Masque générique</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>&amp;Calculer</translation>
    </message>
    <message>
        <source>Send to &amp;Notepad</source>
        <translation>Envoyer au &amp;Bloc-notes</translation>
    </message>
    <message>
        <source>Matches these addresses:</source>
        <translation>Correspond à ces adresses&#xa0;:</translation>
    </message>
    <message>
        <source>The wildcard report</source>
        <translation>Le rapport du masque générique</translation>
    </message>
    <message>
        <source>Wildcard Mask Checker</source>
        <translation>Masque générique</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>Adresse IP</translation>
    </message>
    <message>
        <source>Wildcard mask</source>
        <translation>Masque générique</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calculer</translation>
    </message>
    <message>
        <source>Lists the matches again; they already follow every change</source>
        <translation>Liste à nouveau les correspondances, qui suivent déjà chaque modification</translation>
    </message>
    <message>
        <source>Send to Notepad</source>
        <translation>Envoyer au Bloc-notes</translation>
    </message>
    <message>
        <source>Writes the matches to a text file and opens it</source>
        <translation>Écrit les correspondances dans un fichier texte et l&apos;ouvre</translation>
    </message>
    <message>
        <source>Matches of the first octet</source>
        <translation>Correspondances du premier octet</translation>
    </message>
    <message>
        <source>Matches of the second octet</source>
        <translation>Correspondances du deuxième octet</translation>
    </message>
    <message>
        <source>Matches of the third octet</source>
        <translation>Correspondances du troisième octet</translation>
    </message>
    <message>
        <source>Matches of the fourth octet</source>
        <translation>Correspondances du quatrième octet</translation>
    </message>
</context>
</TS>
