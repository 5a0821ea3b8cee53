<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AnswerModel</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Netz</translation>
    </message>
    <message>
        <source>Mask</source>
        <translation>Maske</translation>
    </message>
    <message>
        <source>First usable</source>
        <translation>Erste nutzbare</translation>
    </message>
    <message>
        <source>First address</source>
        <translation>Erste Adresse</translation>
    </message>
    <message>
        <source>Last usable</source>
        <translation>Letzte nutzbare</translation>
    </message>
    <message>
        <source>Last address</source>
        <translation>Letzte Adresse</translation>
    </message>
    <message>
        <source>Broadcast</source>
        <translation>Broadcast</translation>
    </message>
    <message>
        <source>Usable hosts</source>
        <translation>Nutzbare Hosts</translation>
    </message>
    <message>
        <source>/64 networks</source>
        <translation>/64-Netze</translation>
    </message>
    <message>
        <source>Unused hosts</source>
        <translation>Ungenutzte Hosts</translation>
    </message>
    <message>
        <source>Unused /64s</source>
        <translation>Ungenutzte /64</translation>
    </message>
    <message>
        <source>Free</source>
        <translation>Frei</translation>
    </message>
    <message>
        <source>Network %1</source>
        <translation>Netz %1</translation>
    </message>
    <message>
        <source>all</source>
        <translation>alle</translation>
    </message>
</context>
<context>
    <name>Ipv6SubnetList</name>
    <message>
        <source>%1 subnets of /%2 in %3</source>
        <translation>%1 Subnetze mit /%2 in %3</translation>
    </message>
    <message>
        <source>; the first %1 are listed, %2 more are not</source>
        <translation>; die ersten %1 sind aufgeführt, weitere %2 nicht</translation>
    </message>
</context>
<context>
    <name>Ipv6Texts</name>
    <message>
        <source>Type an IPv6 address, with /length if you like.</source>
        <translation>Geben Sie eine IPv6-Adresse ein, nach Wunsch mit /Länge.</translation>
    </message>
    <message>
        <source>zone indexes such as %1 are not part of an address</source>
        <translation>Zonenindizes wie %1 gehören nicht zur Adresse</translation>
    </message>
    <message>
        <source>This is an IPv4 address; the Subnet Calculator tab takes IPv4.</source>
        <translation>Dies ist eine IPv4-Adresse; für IPv4 gibt es die Registerkarte Subnetzmaskenrechner.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a hex digit</source>
        <translation>„%1“ ist keine Hexadezimalziffer</translation>
    </message>
    <message>
        <source>three or more colons in a row</source>
        <translation>drei oder mehr Doppelpunkte hintereinander</translation>
    </message>
    <message>
        <source>more than one &apos;::&apos;</source>
        <translation>mehr als ein „::“</translation>
    </message>
    <message>
        <source>it starts with a single &apos;:&apos;</source>
        <translation>sie beginnt mit einem einzelnen „:“</translation>
    </message>
    <message>
        <source>it ends with a single &apos;:&apos;</source>
        <translation>sie endet mit einem einzelnen „:“</translation>
    </message>
    <message>
        <source>a dotted IPv4 part may only end the address</source>
        <translation>ein IPv4-Teil in Punktschreibweise darf nur am Ende stehen</translation>
    </message>
    <message>
        <source>the dotted IPv4 part is not four numbers</source>
        <translation>der IPv4-Teil besteht nicht aus vier Zahlen</translation>
    </message>
    <message>
        <source>the dotted IPv4 part has a number with a leading zero</source>
        <translation>der IPv4-Teil hat eine Zahl mit führender Null</translation>
    </message>
    <message>
        <source>the dotted IPv4 part has a number above 255</source>
        <translation>der IPv4-Teil hat eine Zahl über 255</translation>
    </message>
    <message numerus="yes">
        <source>%n group(s) and no &apos;::&apos;; an address has 8</source>
        <translation>
            <numerusform>%n Gruppe und kein „::“; eine Adresse hat 8</numerusform>
            <numerusform>%n Gruppen und kein „::“; eine Adresse hat 8</numerusform>
        </translation>
    </message>
    <message>
        <source>more than 8 groups</source>
        <translation>mehr als 8 Gruppen</translation>
    </message>
    <message>
        <source>&apos;::&apos; beside 8 groups stands for none</source>
        <translation>„::“ neben 8 Gruppen steht für nichts</translation>
    </message>
    <message>
        <source>no prefix length after &apos;/&apos;</source>
        <translation>keine Präfixlänge nach „/“</translation>
    </message>
    <message>
        <source>the prefix length is not a number</source>
        <translation>die Präfixlänge ist keine Zahl</translation>
    </message>
    <message>
        <source>the prefix length has a leading zero</source>
        <translation>die Präfixlänge hat eine führende Null</translation>
    </message>
    <message>
        <source>the prefix length is above 128</source>
        <translation>die Präfixlänge ist größer als 128</translation>
    </message>
    <message>
        <source>bits are set beyond the prefix length</source>
        <translation>hinter der Präfixlänge sind Bits gesetzt</translation>
    </message>
    <message>
        <source>Not an IPv6 address: %1 (at character %2).</source>
        <translation>Keine IPv6-Adresse: %1 (bei Zeichen %2).</translation>
    </message>
    <message>
        <source>%1 (2^%2)</source>
        <translation>%1 (2^%2)</translation>
    </message>
    <message>
        <source>Global unicast; the network reaches into special-purpose blocks</source>
        <translation>Globaler Unicast; das Netz reicht in Blöcke für besondere Zwecke</translation>
    </message>
    <message>
        <source>Global unicast</source>
        <translation>Globaler Unicast</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <translation>%1, %2, %3</translation>
    </message>
    <message>
        <source>; the network reaches beyond this block</source>
        <translation>; das Netz reicht über diesen Block hinaus</translation>
    </message>
    <message>
        <source>IPv4-mapped: %1</source>
        <translation>IPv4-gemappt: %1</translation>
    </message>
    <message>
        <source>6to4: %1</source>
        <translation>6to4: %1</translation>
    </message>
    <message>
        <source>Teredo: server %1, client %2, port %3</source>
        <translation>Teredo: Server %1, Client %2, Port %3</translation>
    </message>
    <message>
        <source>NAT64: %1</source>
        <translation>NAT64: %1</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source> (/%1 is not on a nibble boundary; this is the zone of /%2)</source>
        <translation> (/%1 liegt nicht auf einer Nibble-Grenze; dies ist die Zone von /%2)</translation>
    </message>
    <message>
        <source>No network follows %1: it ends the address space.</source>
        <translation>Auf %1 folgt kein Netz: es beendet den Adressraum.</translation>
    </message>
    <message>
        <source>No network comes before %1: it starts the address space.</source>
        <translation>Vor %1 liegt kein Netz: es beginnt den Adressraum.</translation>
    </message>
    <message numerus="yes">
        <source>group %1 has %n digit(s)</source>
        <translation>
            <numerusform>Gruppe %1 hat %n Ziffer</numerusform>
            <numerusform>Gruppe %1 hat %n Ziffern</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>NeedsModel</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>/64 networks or /n</source>
        <translation>/64-Netze oder /n</translation>
    </message>
    <message>
        <source>Hosts or /n</source>
        <translation>Hosts oder /n</translation>
    </message>
    <message>
        <source>How many /64 networks the need takes, or /n for a network of prefix length n</source>
        <translation>Wie viele /64-Netze der Bedarf braucht, oder /n für ein Netz der Präfixlänge n</translation>
    </message>
    <message>
        <source>How many usable host addresses the need takes, or /n for a network of prefix length n</source>
        <translation>Wie viele nutzbare Host-Adressen der Bedarf braucht, oder /n für ein Netz der Präfixlänge n</translation>
    </message>
</context>
<context>
    <name>OctetBoxRow</name>
    <message>
        <source>%1, octet %2 of %3</source>
        <extracomment>An octet box&apos;s accessible name: %1 the address it is part of, %2 its place, %3 the count.</extracomment>
        <translation>%1, Oktett %2 von %3</translation>
    </message>
</context>
<context>
    <name>PlanCommandBar</name>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Öffnen…</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Speichern unter…</translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation>CSV-Export…</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Open Plan</source>
        <translation>Plan öffnen</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Rückgängig: %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Wiederholen: %1</translation>
    </message>
    <message>
        <source>Recent plans</source>
        <translation>Zuletzt geöffnete Pläne</translation>
    </message>
    <message>
        <source>plan</source>
        <translation>Plan</translation>
    </message>
    <message>
        <source>Save Plan As</source>
        <translation>Plan speichern unter</translation>
    </message>
    <message>
        <source>Save Plan</source>
        <translation>Plan speichern</translation>
    </message>
    <message>
        <source>Export Answer as CSV</source>
        <translation>Ergebnis als CSV exportieren</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSV exportieren</translation>
    </message>
    <message>
        <source>The plan has unsaved changes. Save them?</source>
        <translation>Der Plan hat ungespeicherte Änderungen. Speichern?</translation>
    </message>
    <message>
        <source>The plan %1 has unsaved changes. Save them?</source>
        <translation>Der Plan %1 hat ungespeicherte Änderungen. Speichern?</translation>
    </message>
    <message>
        <source>Planner</source>
        <translation>Netzplanung</translation>
    </message>
    <message>
        <source>Untitled plan</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>%1 (unsaved)</source>
        <translation>%1 (nicht gespeichert)</translation>
    </message>
    <message>
        <source>No recent plans</source>
        <translation>Keine zuletzt geöffneten Pläne</translation>
    </message>
</context>
<context>
    <name>PlanDocument</name>
    <message>
        <source>Parent network</source>
        <translation>Übergeordnetes Netz</translation>
    </message>
    <message>
        <source>Way to divide</source>
        <translation>Art der Aufteilung</translation>
    </message>
    <message>
        <source>Split length</source>
        <translation>Teilungslänge</translation>
    </message>
    <message>
        <source>Number of networks</source>
        <translation>Anzahl der Netze</translation>
    </message>
    <message>
        <source>Two-host links</source>
        <translation>Verbindungen mit zwei Hosts</translation>
    </message>
    <message>
        <source>Edit need</source>
        <translation>Bedarf bearbeiten</translation>
    </message>
    <message>
        <source>Move need</source>
        <translation>Bedarf verschieben</translation>
    </message>
    <message numerus="yes">
        <source>Add %n need(s)</source>
        <translation>
            <numerusform>Bedarf hinzufügen</numerusform>
            <numerusform>%n Bedarfe hinzufügen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Remove %n need(s)</source>
        <translation>
            <numerusform>Bedarf entfernen</numerusform>
            <numerusform>%n Bedarfe entfernen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PlanFiles</name>
    <message>
        <source>%1 was not opened.
%2</source>
        <translation>%1 wurde nicht geöffnet.
%2</translation>
    </message>
    <message>
        <source>The networks stored in %1 are not the ones its plan gives (%2). The plan&apos;s own are shown.</source>
        <translation>Die in %1 gespeicherten Netze sind nicht die, die sein Plan ergibt (%2). Die Netze des Plans werden angezeigt.</translation>
    </message>
    <message>
        <source>The plan was not saved: &apos;%1&apos; is not a network yet.</source>
        <translation>Der Plan wurde nicht gespeichert: „%1“ ist noch kein Netz.</translation>
    </message>
    <message>
        <source>The plan</source>
        <translation>Der Plan</translation>
    </message>
    <message>
        <source>The answer</source>
        <translation>Die Zuteilung</translation>
    </message>
    <message>
        <source>Address plans (*.%1);;All files (*)</source>
        <translation>Adresspläne (*.%1);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV-Dateien (*.csv);;Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>PlanPicture</name>
    <message>
        <source>No plan to draw.</source>
        <translation>Kein Plan zum Zeichnen.</translation>
    </message>
    <message>
        <source>Addresses run from left to right, lowest first; hatched blocks are free.</source>
        <translation>Adressen laufen von links nach rechts, die niedrigste zuerst; schraffierte Blöcke sind frei.</translation>
    </message>
    <message>
        <source>free</source>
        <translation>frei</translation>
    </message>
    <message>
        <source>Free</source>
        <translation>Frei</translation>
    </message>
    <message numerus="yes">
        <source>%n block(s) too small to draw to scale are drawn %1 pixels wide, marked with a dot.</source>
        <translation>
            <numerusform>%n Block, zu klein für eine maßstabsgetreue Darstellung, ist %1 Pixel breit gezeichnet und mit einem Punkt markiert.</numerusform>
            <numerusform>%n Blöcke, zu klein für eine maßstabsgetreue Darstellung, sind %1 Pixel breit gezeichnet und mit einem Punkt markiert.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PlanTexts</name>
    <message>
        <source>Type the network to divide, as 10.0.0.0/24, 10.0.0.0 255.255.255.0 or 2001:db8::/48.</source>
        <translation>Geben Sie das aufzuteilende Netz ein, etwa 10.0.0.0/24, 10.0.0.0 255.255.255.0 oder 2001:db8::/48.</translation>
    </message>
    <message>
        <source>Not a network: write an address and its prefix length or mask.</source>
        <translation>Kein Netz: schreiben Sie eine Adresse und ihre Präfixlänge oder Maske.</translation>
    </message>
    <message>
        <source>Not a network: a number with a leading zero is ambiguous.</source>
        <translation>Kein Netz: eine Zahl mit führender Null ist mehrdeutig.</translation>
    </message>
    <message>
        <source>Not a network: a part of the address is too large.</source>
        <translation>Kein Netz: ein Teil der Adresse ist zu groß.</translation>
    </message>
    <message>
        <source>Not a network: the prefix length is not one the address family allows.</source>
        <translation>Kein Netz: diese Präfixlänge lässt die Adressfamilie nicht zu.</translation>
    </message>
    <message>
        <source>Not a network: a mask has its one bits first, with no gap.</source>
        <translation>Kein Netz: eine Maske hat ihre Einsen vorn, ohne Lücke.</translation>
    </message>
    <message>
        <source>Not a network: the address has bits set beyond the prefix length.</source>
        <translation>Kein Netz: die Adresse hat hinter der Präfixlänge gesetzte Bits.</translation>
    </message>
    <message>
        <source>Not a network: a zone index (%) names a link, not a network.</source>
        <translation>Kein Netz: ein Zonenindex (%) bezeichnet eine Verbindung, kein Netz.</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>more than </source>
        <translation>mehr als </translation>
    </message>
    <message>
        <source>Does not fit: %1 addresses missing in %2.</source>
        <translation>Passt nicht: in %2 fehlen %1 Adressen.</translation>
    </message>
    <message>
        <source>Does not fit: %1 addresses missing in %2; %3 is the first need with no room left.</source>
        <translation>Passt nicht: in %2 fehlen %1 Adressen; %3 ist der erste Bedarf ohne Platz.</translation>
    </message>
    <message>
        <source>%1 asks for /%2, longer than an %3 address.</source>
        <translation>%1 verlangt /%2, länger als eine %3-Adresse.</translation>
    </message>
    <message>
        <source>/%1 is longer than an %2 address.</source>
        <translation>/%1 ist länger als eine %2-Adresse.</translation>
    </message>
    <message>
        <source>Split into how many networks? At least one.</source>
        <translation>In wie viele Netze aufteilen? Mindestens eines.</translation>
    </message>
    <message>
        <source>That makes more than %1 networks; choose fewer.</source>
        <translation>Das ergibt mehr als %1 Netze; wählen Sie weniger.</translation>
    </message>
    <message>
        <source>%1 in %2: %3 of %4 addresses allocated (%5 %).</source>
        <translation>%1 in %2: %3 von %4 Adressen zugeteilt (%5 %).</translation>
    </message>
    <message>
        <source>Line %1: “%2” is not a size (a number, or /n for a prefix length).</source>
        <translation>Zeile %1: „%2“ ist keine Größe (eine Zahl oder /n für eine Präfixlänge).</translation>
    </message>
    <message numerus="yes">
        <source>%n network(s)</source>
        <translation>
            <numerusform>%n Netz</numerusform>
            <numerusform>%n Netze</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ReportFile</name>
    <message>
        <source>The report was saved as
%1
but no program could open it.</source>
        <translation>Der Bericht wurde unter
%1
gespeichert, aber kein Programm konnte ihn öffnen.</translation>
    </message>
    <message>
        <source>The EULA Is Unavailable At This Time

No program could open
%1</source>
        <translation>Die Lizenzvereinbarung ist zurzeit nicht verfügbar

Kein Programm konnte Folgendes öffnen:
%1</translation>
    </message>
    <message>
        <source>No web browser could open
%1</source>
        <translation>Kein Webbrowser konnte Folgendes öffnen:
%1</translation>
    </message>
    <message>
        <source>No folder was named to create.</source>
        <translation>Es wurde kein zu erstellender Ordner angegeben.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a file, not a folder.</source>
        <translation>„%1“ ist eine Datei, kein Ordner.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; cannot be created because &quot;%2&quot; is a file.</source>
        <translation>Der Ordner „%1“ kann nicht erstellt werden, weil „%2“ eine Datei ist.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; could not be created.</source>
        <translation>Der Ordner „%1“ konnte nicht erstellt werden.</translation>
    </message>
    <message>
        <source>The documents folder is unknown, so the reports have no folder to go to.</source>
        <translation>Der Dokumentenordner ist unbekannt, daher gibt es keinen Ordner für die Berichte.</translation>
    </message>
    <message>
        <source>%1 could not be saved.
%2</source>
        <translation>%1 konnte nicht gespeichert werden.
%2</translation>
    </message>
    <message>
        <source>%1 could not be saved to %2.
%3</source>
        <translation>%1 konnte nicht in %2 gespeichert werden.
%3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not exist.</source>
        <translation>„%1“ existiert nicht.</translation>
    </message>
</context>
<context>
    <name>SpecialBlockNames</name>
    <message>
        <source>This network</source>
        <translation>Dieses Netz</translation>
    </message>
    <message>
        <source>This host on this network</source>
        <translation>Dieser Host in diesem Netz</translation>
    </message>
    <message>
        <source>Private-Use</source>
        <translation>Private Nutzung</translation>
    </message>
    <message>
        <source>Shared Address Space</source>
        <translation>Gemeinsamer Adressraum</translation>
    </message>
    <message>
        <source>Loopback</source>
        <translation>Loopback</translation>
    </message>
    <message>
        <source>Link Local</source>
        <translation>Link-lokal</translation>
    </message>
    <message>
        <source>IETF Protocol Assignments</source>
        <translation>IETF-Protokollzuweisungen</translation>
    </message>
    <message>
        <source>IPv4 Service Continuity Prefix</source>
        <translation>IPv4-Präfix für Dienstkontinuität</translation>
    </message>
    <message>
        <source>IPv4 dummy address</source>
        <translation>IPv4-Platzhalteradresse</translation>
    </message>
    <message>
        <source>Port Control Protocol Anycast</source>
        <translation>Port-Control-Protocol-Anycast</translation>
    </message>
    <message>
        <source>Traversal Using Relays around NAT Anycast</source>
        <translation>Anycast für Traversal Using Relays around NAT</translation>
    </message>
    <message>
        <source>NAT64/DNS64 Discovery</source>
        <translation>NAT64/DNS64-Erkennung</translation>
    </message>
    <message>
        <source>Documentation (TEST-NET-1)</source>
        <translation>Dokumentation (TEST-NET-1)</translation>
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
        <translation>Veraltet (6to4-Relay-Anycast)</translation>
    </message>
    <message>
        <source>6a44-relay anycast address</source>
        <translation>6a44-Relay-Anycast-Adresse</translation>
    </message>
    <message>
        <source>Direct Delegation AS112 Service</source>
        <translation>AS112-Dienst mit direkter Delegation</translation>
    </message>
    <message>
        <source>Benchmarking</source>
        <translation>Benchmarking</translation>
    </message>
    <message>
        <source>Documentation (TEST-NET-2)</source>
        <translation>Dokumentation (TEST-NET-2)</translation>
    </message>
    <message>
        <source>Documentation (TEST-NET-3)</source>
        <translation>Dokumentation (TEST-NET-3)</translation>
    </message>
    <message>
        <source>Multicast</source>
        <translation>Multicast</translation>
    </message>
    <message>
        <source>Reserved</source>
        <translation>Reserviert</translation>
    </message>
    <message>
        <source>Limited Broadcast</source>
        <translation>Begrenzter Broadcast</translation>
    </message>
    <message>
        <source>Unspecified Address</source>
        <translation>Unspezifizierte Adresse</translation>
    </message>
    <message>
        <source>Loopback Address</source>
        <translation>Loopback-Adresse</translation>
    </message>
    <message>
        <source>IPv4-mapped Address</source>
        <translation>IPv4-gemappte Adresse</translation>
    </message>
    <message>
        <source>IPv4-IPv6 Translat.</source>
        <translation>IPv4-IPv6-Übersetzung</translation>
    </message>
    <message>
        <source>Discard-Only Address Block</source>
        <translation>Adressblock nur zum Verwerfen</translation>
    </message>
    <message>
        <source>Dummy IPv6 Prefix</source>
        <translation>IPv6-Platzhalterpräfix</translation>
    </message>
    <message>
        <source>TEREDO</source>
        <translation>TEREDO</translation>
    </message>
    <message>
        <source>DNS-SD Service Registration Protocol Anycast Address</source>
        <translation>Anycast-Adresse des DNS-SD Service Registration Protocol</translation>
    </message>
    <message>
        <source>AS112-v6</source>
        <translation>AS112-v6</translation>
    </message>
    <message>
        <source>Deprecated (previously ORCHID)</source>
        <translation>Veraltet (früher ORCHID)</translation>
    </message>
    <message>
        <source>ORCHIDv2</source>
        <translation>ORCHIDv2</translation>
    </message>
    <message>
        <source>Drone Remote ID Protocol Entity Tags (DETs) Prefix</source>
        <translation>Präfix für Drone-Remote-ID-Entity-Tags (DETs)</translation>
    </message>
    <message>
        <source>Documentation</source>
        <translation>Dokumentation</translation>
    </message>
    <message>
        <source>6to4</source>
        <translation>6to4</translation>
    </message>
    <message>
        <source>Segment Routing (SRv6) SIDs</source>
        <translation>Segment-Routing-SIDs (SRv6)</translation>
    </message>
    <message>
        <source>Unique-Local</source>
        <translation>Eindeutig lokal</translation>
    </message>
    <message>
        <source>Link-Local Unicast</source>
        <translation>Link-lokaler Unicast</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Ferol logo</source>
        <translation>Ferol-Logo</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Closes this dialog</source>
        <translation>Schließt dieses Fenster</translation>
    </message>
    <message>
        <source>View DODA</source>
        <translation>DODA anzeigen</translation>
    </message>
    <message>
        <source>Opens the license document</source>
        <translation>Öffnet das Lizenzdokument</translation>
    </message>
    <message>
        <source>&amp;View DODA</source>
        <translation>DODA &amp;anzeigen</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>Ferol Subnet Calculator contains the following tools for IPv4 and IPv6:  Subnet Calculator, Wildcard Checker, Decimal IP Calculator, IPv6 Calculator.</source>
        <translation>Ferol Subnet Calculator enthält die folgenden Werkzeuge für IPv4 und IPv6: Subnetzrechner, Wildcard-Prüfung, Dezimal-IP-Rechner, IPv6-Rechner.</translation>
    </message>
    <message>
        <source>Copyright © 2026 Ferol. All rights reserved. This program is provided as is, without warranty of any kind.</source>
        <translation>Copyright © 2026 Ferol. Alle Rechte vorbehalten. Dieses Programm wird ohne Mängelgewähr und ohne jegliche Garantie bereitgestellt.</translation>
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
        <translation>Subnetzmaskenrechner</translation>
    </message>
    <message>
        <source>Wildcard Mask Checker</source>
        <translation>Wildcard-Masken-Prüfung</translation>
    </message>
    <message>
        <source>Decimal IP Calculator</source>
        <translation>Dezimal-IP-Rechner</translation>
    </message>
    <message>
        <source>IPv6 Calculator</source>
        <translation>IPv6-Rechner</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>&amp;Subnet Mask Calculator</source>
        <translation>&amp;Subnetzmaskenrechner</translation>
    </message>
    <message>
        <source>&amp;Wildcard Mask Checker</source>
        <translation>&amp;Wildcard-Masken-Prüfung</translation>
    </message>
    <message>
        <source>&amp;Decimal IP Calculator</source>
        <translation>&amp;Dezimal-IP-Rechner</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;More</source>
        <translation>&amp;Mehr</translation>
    </message>
    <message>
        <source>Free &amp;Lumbra Demo (Network Simulator)</source>
        <translation>Kostenlose &amp;Lumbra-Demo (Netzwerksimulator)</translation>
    </message>
    <message>
        <source>Free &amp;Orvat Demos (Practice Exams)</source>
        <translation>Kostenlose &amp;Orvat-Demos (Übungsprüfungen)</translation>
    </message>
    <message>
        <source>Ferol&apos;s Free &amp;Utilities</source>
        <translation>Kostenlose Ferol-&amp;Werkzeuge</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Ferol Home Page</source>
        <translation>&amp;Ferol-Startseite</translation>
    </message>
    <message>
        <source>&amp;Contact Us</source>
        <translation>&amp;Kontakt</translation>
    </message>
    <message>
        <source>&amp;About Subnet Calculator</source>
        <translation>Ü&amp;ber Subnet Calculator</translation>
    </message>
    <message>
        <source>Exit?</source>
        <translation>Beenden?</translation>
    </message>
    <message>
        <source>Are you sure you want to exit?</source>
        <translation>Möchten Sie das Programm wirklich beenden?</translation>
    </message>
    <message>
        <source>Ferol banner</source>
        <translation>Ferol-Banner</translation>
    </message>
    <message>
        <source>Shows the Ferol tab</source>
        <translation>Zeigt die Registerkarte Ferol</translation>
    </message>
    <message>
        <source>Planner</source>
        <translation>Netzplanung</translation>
    </message>
</context>
<context>
    <name>ucDecimalCalc</name>
    <message>
        <source>IP address</source>
        <translation>IP-Adresse</translation>
    </message>
    <message>
        <source>Changing an octet updates the decimal address</source>
        <translation>Eine Änderung eines Oktetts aktualisiert die Dezimaladresse</translation>
    </message>
    <message>
        <source>Example addresses button</source>
        <translation>Schaltfläche Beispieladressen</translation>
    </message>
    <message>
        <source>Opens and closes the list of example addresses</source>
        <translation>Öffnet und schließt die Liste der Beispieladressen</translation>
    </message>
    <message>
        <source>Example addresses</source>
        <translation>Beispieladressen</translation>
    </message>
    <message>
        <source>Up and Down fill in the highlighted address; Enter or Space picks it</source>
        <translation>Pfeil auf/ab setzt die markierte Adresse ein; Eingabe oder Leertaste wählt sie</translation>
    </message>
    <message>
        <source>Decimal address</source>
        <translation>Dezimaladresse</translation>
    </message>
    <message>
        <source>Typing a number here updates the octets</source>
        <translation>Eine hier eingegebene Zahl aktualisiert die Oktette</translation>
    </message>
    <message>
        <source>What the decimal address is for</source>
        <translation>Wozu die Dezimaladresse dient</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>IP-Adresse</translation>
    </message>
    <message>
        <source>Decimal Address</source>
        <translation>Dezimaladresse</translation>
    </message>
    <message>
        <source>We normally think of using an IP address to navigate to a Web  site. For example:
http://172.16.128.14

Alternatively, you can use the decimal equivalent to navigate to a Web site. For example:
http://2886762510
</source>
        <translation>Normalerweise ruft man eine Website über ihre IP-Adresse auf. Zum Beispiel:
http://172.16.128.14

Stattdessen können Sie auch die entsprechende Dezimalzahl verwenden, um eine Website aufzurufen. Zum Beispiel:
http://2886762510
</translation>
    </message>
</context>
<context>
    <name>ucFerol</name>
    <message>
        <source>Ferol products</source>
        <translation>Ferol-Produkte</translation>
    </message>
    <message>
        <source>Tab moves from link to link; Enter opens one in the web browser</source>
        <translation>Tab springt von Link zu Link; die Eingabetaste öffnet ihn im Webbrowser</translation>
    </message>
</context>
<context>
    <name>ucIpv6Calc</name>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;Adresse:</translation>
    </message>
    <message>
        <source>IPv6 address</source>
        <translation>IPv6-Adresse</translation>
    </message>
    <message>
        <source>Any IPv6 text form, optionally with /length</source>
        <translation>Jede Textform einer IPv6-Adresse, wahlweise mit /Länge</translation>
    </message>
    <message>
        <source>Prefix &amp;length:</source>
        <translation>Präfix&amp;länge:</translation>
    </message>
    <message>
        <source>Prefix length</source>
        <translation>Präfixlänge</translation>
    </message>
    <message>
        <source>0 to 128; arrow keys, Home, End or digits</source>
        <translation>0 bis 128; Pfeiltasten, Pos1, Ende oder Ziffern</translation>
    </message>
    <message>
        <source>&amp;Previous network</source>
        <translation>&amp;Vorheriges Netz</translation>
    </message>
    <message>
        <source>&amp;Next network</source>
        <translation>&amp;Nächstes Netz</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Compressed:</source>
        <translation>Komprimiert:</translation>
    </message>
    <message>
        <source>Expanded:</source>
        <translation>Ausgeschrieben:</translation>
    </message>
    <message>
        <source>Network:</source>
        <translation>Netz:</translation>
    </message>
    <message>
        <source>First address:</source>
        <translation>Erste Adresse:</translation>
    </message>
    <message>
        <source>Last address:</source>
        <translation>Letzte Adresse:</translation>
    </message>
    <message>
        <source>Addresses:</source>
        <translation>Adressen:</translation>
    </message>
    <message>
        <source>/64 networks:</source>
        <translation>/64-Netze:</translation>
    </message>
    <message>
        <source>Block:</source>
        <translation>Block:</translation>
    </message>
    <message>
        <source>Embedded IPv4:</source>
        <translation>Eingebettete IPv4:</translation>
    </message>
    <message>
        <source>Reverse name:</source>
        <translation>Reverse-Name:</translation>
    </message>
    <message>
        <source>Reverse zone:</source>
        <translation>Reverse-Zone:</translation>
    </message>
    <message>
        <source>Hex worksheet:</source>
        <translation>Hex-Rechentabelle:</translation>
    </message>
    <message>
        <source>Network digits bold and underlined, interface digits plain, a digit holding both bold italic.</source>
        <translation>Netzziffern fett und unterstrichen, Schnittstellenziffern normal, eine Ziffer mit beidem fett kursiv.</translation>
    </message>
    <message>
        <source>&amp;Subnets of length:</source>
        <translation>&amp;Subnetze der Länge:</translation>
    </message>
    <message>
        <source>Subnets of length</source>
        <translation>Subnetze der Länge</translation>
    </message>
    <message>
        <source>Subnet prefix length</source>
        <translation>Präfixlänge der Subnetze</translation>
    </message>
    <message>
        <source>Sa&amp;ve...</source>
        <translation>Sp&amp;eichern...</translation>
    </message>
    <message>
        <source>Saves the listing as ipv6-subnets.txt and opens it</source>
        <translation>Speichert die Liste als ipv6-subnets.txt und öffnet sie</translation>
    </message>
    <message>
        <source>Subnet count</source>
        <translation>Anzahl der Subnetze</translation>
    </message>
    <message>
        <source>Subnets</source>
        <translation>Subnetze</translation>
    </message>
    <message>
        <source>None: the prefix is longer than /64</source>
        <translation>Keine: das Präfix ist länger als /64</translation>
    </message>
    <message>
        <source>A /128 holds no smaller networks.</source>
        <translation>Ein /128 enthält keine kleineren Netze.</translation>
    </message>
    <message>
        <source>The IPv6 subnet list</source>
        <translation>Die IPv6-Subnetzliste</translation>
    </message>
    <message>
        <source>IPv6 Calculator</source>
        <translation>IPv6-Rechner</translation>
    </message>
</context>
<context>
    <name>ucPlanner</name>
    <message>
        <source>&amp;Network to divide:</source>
        <translation>Aufzuteilendes &amp;Netz:</translation>
    </message>
    <message>
        <source>10.0.0.0/24, 10.0.0.0 255.255.255.0 or 2001:db8::/48</source>
        <translation>10.0.0.0/24, 10.0.0.0 255.255.255.0 oder 2001:db8::/48</translation>
    </message>
    <message>
        <source>&amp;Divide by:</source>
        <translation>Auf&amp;teilen nach:</translation>
    </message>
    <message>
        <source>VLSM: each need its smallest network</source>
        <translation>VLSM: jeder Bedarf sein kleinstes Netz</translation>
    </message>
    <message>
        <source>Equal split into networks of /n</source>
        <translation>Gleich aufteilen in Netze mit /n</translation>
    </message>
    <message>
        <source>Equal split into N networks</source>
        <translation>Gleich aufteilen in N Netze</translation>
    </message>
    <message>
        <source> networks</source>
        <translation> Netze</translation>
    </message>
    <message>
        <source>Needs of &amp;2 hosts take a /31 (RFC 3021)</source>
        <translation>Bedarf von &amp;2 Hosts als /31 (RFC 3021)</translation>
    </message>
    <message>
        <source>N&amp;eeds:</source>
        <translation>&amp;Bedarf:</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>Hin&amp;zufügen</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <source>Do&amp;wn</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Ein&amp;fügen</translation>
    </message>
    <message>
        <source>Allocated net&amp;works:</source>
        <translation>Zu&amp;geteilte Netze:</translation>
    </message>
    <message>
        <source>&amp;Copy all</source>
        <translation>Alles &amp;kopieren</translation>
    </message>
    <message>
        <source>Paste needs</source>
        <translation>Bedarf einfügen</translation>
    </message>
    <message>
        <source>Add need</source>
        <translation>Bedarf hinzufügen</translation>
    </message>
    <message>
        <source>Remove need</source>
        <translation>Bedarf entfernen</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Nothing pasted. %1</source>
        <translation>Nichts eingefügt. %1</translation>
    </message>
    <message>
        <source>Nothing pasted: no lines of a name and a size.</source>
        <translation>Nichts eingefügt: keine Zeilen mit Name und Größe.</translation>
    </message>
    <message>
        <source>Network to divide</source>
        <translation>Aufzuteilendes Netz</translation>
    </message>
    <message>
        <source>An IPv4 or IPv6 network with its prefix length or mask</source>
        <translation>Ein IPv4- oder IPv6-Netz mit Präfixlänge oder Maske</translation>
    </message>
    <message>
        <source>Network to divide, problem</source>
        <translation>Aufzuteilendes Netz, Problem</translation>
    </message>
    <message>
        <source>How to divide</source>
        <translation>Art der Aufteilung</translation>
    </message>
    <message>
        <source>Prefix length of each network</source>
        <translation>Präfixlänge jedes Netzes</translation>
    </message>
    <message>
        <source>Number of networks</source>
        <translation>Anzahl der Netze</translation>
    </message>
    <message>
        <source>Two-host needs take a /31</source>
        <translation>Bedarf von zwei Hosts als /31</translation>
    </message>
    <message>
        <source>Plan picture</source>
        <translation>Planbild</translation>
    </message>
    <message>
        <source>The parent&apos;s addresses from first to last; Left and Right select a network</source>
        <translation>Die Adressen des übergeordneten Netzes von der ersten bis zur letzten; Links und Rechts wählen ein Netz</translation>
    </message>
    <message>
        <source>Plan result</source>
        <translation>Planergebnis</translation>
    </message>
    <message>
        <source>Needs</source>
        <translation>Bedarf</translation>
    </message>
    <message>
        <source>One row per need, a name and a size; paste lines of name and size</source>
        <translation>Eine Zeile je Bedarf, mit Name und Größe; Zeilen aus Name und Größe lassen sich einfügen</translation>
    </message>
    <message>
        <source>Needs, what a paste left out</source>
        <translation>Bedarf, was beim Einfügen ausgelassen wurde</translation>
    </message>
    <message>
        <source>Move need up</source>
        <translation>Bedarf nach oben verschieben</translation>
    </message>
    <message>
        <source>Move need down</source>
        <translation>Bedarf nach unten verschieben</translation>
    </message>
    <message>
        <source>Allocated networks</source>
        <translation>Zugeteilte Netze</translation>
    </message>
    <message>
        <source>Copy the allocated networks as text</source>
        <translation>Kopiert die zugeteilten Netze als Text</translation>
    </message>
</context>
<context>
    <name>ucSubnetCalc</name>
    <message>
        <source>Subnetting</source>
        <translation>Subnetting</translation>
    </message>
    <message>
        <source>Supernetting</source>
        <translation>Supernetting</translation>
    </message>
    <message>
        <source>Mask too long, no hosts.</source>
        <translation>Maske zu lang, keine Hosts.</translation>
    </message>
    <message>
        <source>Subnetting as per RFC3021.</source>
        <translation>Subnetting nach RFC3021.</translation>
    </message>
    <message>
        <source>Warning! Subnet - All 0&apos;s</source>
        <translation>Warnung! Subnetz – alles Nullen</translation>
    </message>
    <message>
        <source>Invalid Subnet - All 1&apos;s</source>
        <translation>Ungültiges Subnetz – alles Einsen</translation>
    </message>
    <message>
        <source>Enter Complete Host Address</source>
        <translation>Host-Adresse unvollständig</translation>
    </message>
    <message>
        <source>Class A Address</source>
        <translation>Klasse-A-Adresse</translation>
    </message>
    <message>
        <source>Loopback Address</source>
        <translation>Loopback-Adresse</translation>
    </message>
    <message>
        <source>Class B Address</source>
        <translation>Klasse-B-Adresse</translation>
    </message>
    <message>
        <source>Class C Address</source>
        <translation>Klasse-C-Adresse</translation>
    </message>
    <message>
        <source>Invalid IP Address</source>
        <translation>Ungültige IP-Adresse</translation>
    </message>
    <message>
        <source>You must enter the IP Address</source>
        <translation>Sie müssen die IP-Adresse eingeben</translation>
    </message>
    <message>
        <source>Host address</source>
        <translation>Host-Adresse</translation>
    </message>
    <message>
        <source>Address class</source>
        <translation>Adressklasse</translation>
    </message>
    <message>
        <source>Mask and counts</source>
        <translation>Maske und Anzahlen</translation>
    </message>
    <message>
        <source>Mask length</source>
        <translation>Maskenlänge</translation>
    </message>
    <message>
        <source>Number of leading one bits of the subnet mask, 1 to 32</source>
        <translation>Anzahl der führenden Einsen der Subnetzmaske, 1 bis 32</translation>
    </message>
    <message>
        <source>Mask bits</source>
        <translation>Maskenbits</translation>
    </message>
    <message>
        <source>Subnet mask</source>
        <translation>Subnetzmaske</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Subnet bits</source>
        <translation>Subnetzbits</translation>
    </message>
    <message>
        <source>Host bits</source>
        <translation>Hostbits</translation>
    </message>
    <message>
        <source>Maximum subnets</source>
        <translation>Maximale Subnetze</translation>
    </message>
    <message>
        <source>Maximum hosts</source>
        <translation>Maximale Hosts</translation>
    </message>
    <message>
        <source>Current subnet</source>
        <translation>Aktuelles Subnetz</translation>
    </message>
    <message>
        <source>Current network</source>
        <translation>Aktuelles Netz</translation>
    </message>
    <message>
        <source>Subnet mask of the current network</source>
        <translation>Subnetzmaske des aktuellen Netzes</translation>
    </message>
    <message>
        <source>Current host range</source>
        <translation>Aktueller Hostbereich</translation>
    </message>
    <message>
        <source>Binary worksheet</source>
        <translation>Binäre Rechentabelle</translation>
    </message>
    <message>
        <source>Host in binary</source>
        <translation>Host binär</translation>
    </message>
    <message>
        <source>Mask in binary</source>
        <translation>Maske binär</translation>
    </message>
    <message>
        <source>Network in binary</source>
        <translation>Netz binär</translation>
    </message>
    <message>
        <source>Network address</source>
        <translation>Netzwerkadresse</translation>
    </message>
    <message>
        <source>Previous subnet</source>
        <translation>Vorheriges Subnetz</translation>
    </message>
    <message>
        <source>Steps the host address back to the previous subnet</source>
        <translation>Setzt die Host-Adresse ins vorherige Subnetz zurück</translation>
    </message>
    <message>
        <source>Next subnet</source>
        <translation>Nächstes Subnetz</translation>
    </message>
    <message>
        <source>Steps the host address on to the next subnet</source>
        <translation>Rückt die Host-Adresse ins nächste Subnetz vor</translation>
    </message>
    <message>
        <source>Broadcast in binary</source>
        <translation>Broadcast binär</translation>
    </message>
    <message>
        <source>Broadcast address</source>
        <translation>Broadcast-Adresse</translation>
    </message>
    <message>
        <source>Send Next 20 Subnets to Notepad</source>
        <translation>20 Subnetze an den Editor senden</translation>
    </message>
    <message>
        <source>Writes this subnet and the next nineteen to a text file and opens it</source>
        <translation>Schreibt dieses Subnetz und die nächsten neunzehn in eine Textdatei und öffnet sie</translation>
    </message>
    <message>
        <source>31-bit mask as per RFC 3021</source>
        <translation>31-Bit-Maske nach RFC 3021</translation>
    </message>
    <message>
        <source>Counts two hosts in a subnet with a 31-bit mask</source>
        <translation>Zählt zwei Hosts in einem Subnetz mit 31-Bit-Maske</translation>
    </message>
    <message>
        <source>&amp;Host IP</source>
        <translation>&amp;Host-IP</translation>
    </message>
    <message>
        <source>Mask Bits</source>
        <translation>Maskenbits</translation>
    </message>
    <message>
        <source>Subnet Bits</source>
        <translation>Subnetzbits</translation>
    </message>
    <message>
        <source>Host Bits</source>
        <translation>Hostbits</translation>
    </message>
    <message>
        <source>Max Subnets</source>
        <translation>Max. Subnetze</translation>
    </message>
    <message>
        <source>Max Hosts</source>
        <translation>Max. Hosts</translation>
    </message>
    <message>
        <source>Current Network:</source>
        <translation>Aktuelles Netz:</translation>
    </message>
    <message>
        <source>Subnet Mask:</source>
        <translation>Subnetzmaske:</translation>
    </message>
    <message>
        <source>Current Host Range</source>
        <translation>Aktueller Hostbereich</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Host</translation>
    </message>
    <message>
        <source>Mask</source>
        <translation>Maske</translation>
    </message>
    <message>
        <source>Subnet</source>
        <translation>Subnetz</translation>
    </message>
    <message>
        <source>Broadcast</source>
        <translation>Broadcast</translation>
    </message>
    <message>
        <source>&lt;Prev Subnet</source>
        <translation>&lt;Zurück</translation>
    </message>
    <message>
        <source>Next Subnet&gt;</source>
        <translation>Weiter&gt;</translation>
    </message>
    <message>
        <source>&amp;31-bit mask as per RFC 3021</source>
        <translation>&amp;31-Bit-Maske nach RFC 3021</translation>
    </message>
    <message>
        <source>Subnet Calculator</source>
        <translation>Subnetzrechner</translation>
    </message>
    <message>
        <source>This is the last subnet.</source>
        <translation>Dies ist das letzte Subnetz.</translation>
    </message>
    <message>
        <source>This is the first subnet.</source>
        <translation>Dies ist das erste Subnetz.</translation>
    </message>
    <message>
        <source>The subnet list</source>
        <translation>Die Subnetzliste</translation>
    </message>
    <message>
        <source>RESULT</source>
        <translation>ERGEBNIS</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keiner</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <comment>host range</comment>
        <translation>%1 bis %2</translation>
    </message>
</context>
<context>
    <name>ucWildCardChecker</name>
    <message>
        <source>IP &amp;Address</source>
        <translation>IP-&amp;Adresse</translation>
    </message>
    <message>
        <source>Wildcard &amp;Mask</source>
        <translation>Wildcard-&amp;Maske</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>&amp;Berechnen</translation>
    </message>
    <message>
        <source>Send to &amp;Notepad</source>
        <translation>An &amp;Editor senden</translation>
    </message>
    <message>
        <source>Matches these addresses:</source>
        <translation>Passende Adressen:</translation>
    </message>
    <message>
        <source>The wildcard report</source>
        <translation>Der Wildcard-Bericht</translation>
    </message>
    <message>
        <source>Wildcard Mask Checker</source>
        <translation>Wildcard-Masken-Prüfung</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP-Adresse</translation>
    </message>
    <message>
        <source>Wildcard mask</source>
        <translation>Wildcard-Maske</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Berechnen</translation>
    </message>
    <message>
        <source>Lists the matches again; they already follow every change</source>
        <translation>Listet die Treffer erneut auf; sie folgen bereits jeder Änderung</translation>
    </message>
    <message>
        <source>Send to Notepad</source>
        <translation>An Editor senden</translation>
    </message>
    <message>
        <source>Writes the matches to a text file and opens it</source>
        <translation>Schreibt die Treffer in eine Textdatei und öffnet sie</translation>
    </message>
    <message>
        <source>Matches of the first octet</source>
        <translation>Treffer im ersten Oktett</translation>
    </message>
    <message>
        <source>Matches of the second octet</source>
        <translation>Treffer im zweiten Oktett</translation>
    </message>
    <message>
        <source>Matches of the third octet</source>
        <translation>Treffer im dritten Oktett</translation>
    </message>
    <message>
        <source>Matches of the fourth octet</source>
        <translation>Treffer im vierten Oktett</translation>
    </message>
</context>
</TS>
