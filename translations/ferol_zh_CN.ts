<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AnswerModel</name>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mask</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First usable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last usable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Broadcast</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usable hosts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>/64 networks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unused hosts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unused /64s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>all</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Ipv6SubnetList</name>
    <message>
        <source>%1 subnets of /%2 in %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; the first %1 are listed, %2 more are not</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Ipv6Texts</name>
    <message>
        <source>Type an IPv6 address, with /length if you like.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>zone indexes such as %1 are not part of an address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is an IPv4 address; the Subnet Calculator tab takes IPv4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a hex digit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>three or more colons in a row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>more than one &apos;::&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it starts with a single &apos;:&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it ends with a single &apos;:&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>group %1 has %2 digits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a dotted IPv4 part may only end the address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the dotted IPv4 part is not four numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the dotted IPv4 part has a number with a leading zero</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the dotted IPv4 part has a number above 255</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n group(s) and no &apos;::&apos;; an address has 8</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>more than 8 groups</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;::&apos; beside 8 groups stands for none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no prefix length after &apos;/&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the prefix length is not a number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the prefix length has a leading zero</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the prefix length is above 128</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bits are set beyond the prefix length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not an IPv6 address: %1 (at character %2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (2^%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Global unicast; the network reaches into special-purpose blocks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Global unicast</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; the network reaches beyond this block</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IPv4-mapped: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6to4: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teredo: server %1, client %2, port %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NAT64: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (/%1 is not on a nibble boundary; this is the zone of /%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No network follows %1: it ends the address space.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No network comes before %1: it starts the address space.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NeedsModel</name>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>/64 networks or /n</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hosts or /n</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How many /64 networks the need takes, or /n for a network of prefix length n</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How many usable host addresses the need takes, or /n for a network of prefix length n</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OctetBoxRow</name>
    <message>
        <source>%1, octet %2 of %3</source>
        <extracomment>An octet box&apos;s accessible name: %1 the address it is part of, %2 its place, %3 the count.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PlanCommandBar</name>
    <message>
        <source>New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Plan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recent plans</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>plan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Plan As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Plan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Answer as CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The plan has unsaved changes. Save them?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The plan %1 has unsaved changes. Save them?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Planner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Untitled plan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (unsaved)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No recent plans</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PlanDocument</name>
    <message>
        <source>Parent network</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Way to divide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Split length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of networks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Two-host links</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit need</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add need</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add %1 needs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove need</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove %1 needs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move need</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PlanPicture</name>
    <message>
        <source>No plan to draw.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Addresses run from left to right, lowest first; hatched blocks are free.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 block too small to draw to scale is drawn %1 pixels wide, marked with a dot.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 blocks too small to draw to scale are drawn %2 pixels wide, marked with a dot.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>free</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PlanTexts</name>
    <message>
        <source>Type the network to divide, as 10.0.0.0/24, 10.0.0.0 255.255.255.0 or 2001:db8::/48.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not a network: write an address and its prefix length or mask.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not a network: a number with a leading zero is ambiguous.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not a network: a part of the address is too large.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not a network: the prefix length is not one the address family allows.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not a network: a mask has its one bits first, with no gap.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not a network: the address has bits set beyond the prefix length.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not a network: a zone index (%) names a link, not a network.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>row %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>more than </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Does not fit: %1 addresses missing in %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Does not fit: %1 addresses missing in %2; %3 is the first need with no room left.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 asks for /%2, longer than an %3 address.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>/%1 is longer than an %2 address.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Split into how many networks? At least one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>That makes more than %1 networks; choose fewer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 network</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 networks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 in %2: %3 of %4 addresses allocated (%5 %).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1: “%2” is not a size (a number, or /n for a prefix length).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportFile</name>
    <message>
        <source>The report was saved as
%1
but no program could open it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The EULA Is Unavailable At This Time

No program could open
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No web browser could open
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No folder was named to create.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a file, not a folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; cannot be created because &quot;%2&quot; is a file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; could not be created.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The documents folder is unknown, so the reports have no folder to go to.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be saved.
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be saved to %2.
%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Ferol logo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Closes this dialog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View DODA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the license document</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View DODA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ferol Subnet Calculator contains the following tools for IPv4 and IPv6:  Subnet Calculator, Wildcard Checker, Decimal IP Calculator, IPv6 Calculator.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copyright © 2026 Ferol. All rights reserved. This program is provided as is, without warranty of any kind.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmWelcome2</name>
    <message>
        <source>Subnet Mask Calculator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wildcard Mask Checker</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decimal IP Calculator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IPv6 Calculator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Subnet Mask Calculator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Wildcard Mask Checker</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Decimal IP Calculator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;More</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free &amp;Lumbra Demo (Network Simulator)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free &amp;Orvat Demos (Practice Exams)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ferol&apos;s Free &amp;Utilities</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ferol Home Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Contact Us</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Subnet Calculator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to exit?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ferol banner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows the Ferol tab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Planner</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ucDecimalCalc</name>
    <message>
        <source>IP address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Changing an octet updates the decimal address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Example addresses button</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens and closes the list of example addresses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Example addresses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Up and Down fill in the highlighted address; Enter or Space picks it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decimal address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Typing a number here updates the octets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What the decimal address is for</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decimal Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>We normally think of using an IP address to navigate to a Web  site. For example:
http://172.16.128.14

Alternatively, you can use the decimal equivalent to navigate to a Web site. For example:
http://2886762510
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ucFerol</name>
    <message>
        <source>Ferol products</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tab moves from link to link; Enter opens one in the web browser</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ucIpv6Calc</name>
    <message>
        <source>&amp;Address:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IPv6 address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Any IPv6 text form, optionally with /length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prefix &amp;length:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prefix length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0 to 128; arrow keys, Home, End or digits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Previous network</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Next network</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compressed:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Expanded:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First address:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last address:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Addresses:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>/64 networks:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Block:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Embedded IPv4:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reverse name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reverse zone:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hex worksheet:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network digits bold and underlined, interface digits plain, a digit holding both bold italic.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Subnets of length:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subnets of length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subnet prefix length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sa&amp;ve...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saves the listing as ipv6-subnets.txt and opens it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subnet count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subnets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None: the prefix is longer than /64</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A /128 holds no smaller networks.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The IPv6 subnet list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IPv6 Calculator</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ucPlanner</name>
    <message>
        <source>&amp;Network to divide:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10.0.0.0/24, 10.0.0.0 255.255.255.0 or 2001:db8::/48</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Divide by:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VLSM: each need its smallest network</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Equal split into networks of /n</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Equal split into N networks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> networks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Needs of &amp;2 hosts take a /31 (RFC 3021)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N&amp;eeds:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do&amp;wn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allocated net&amp;works:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste needs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add need</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove need</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing pasted. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing pasted: no lines of a name and a size.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network to divide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An IPv4 or IPv6 network with its prefix length or mask</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network to divide, problem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How to divide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prefix length of each network</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of networks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Two-host needs take a /31</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plan picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The parent&apos;s addresses from first to last; Left and Right select a network</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plan result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Needs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One row per need, a name and a size; paste lines of name and size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Needs, what a paste left out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move need up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move need down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allocated networks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy the allocated networks as text</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ucSubnetCalc</name>
    <message>
        <source>Subnetting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Supernetting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mask too long, no hosts.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subnetting as per RFC3021.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning! Subnet - All 0&apos;s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid Subnet - All 1&apos;s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter Complete Host Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Class A Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loopback Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Class B Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Class C Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid IP Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must enter the IP Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Host address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address class</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mask and counts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mask length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of leading one bits of the subnet mask, 1 to 32</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mask bits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subnet mask</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subnet bits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Host bits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximum subnets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximum hosts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current subnet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current network</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subnet mask of the current network</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current host range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Binary worksheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Host in binary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mask in binary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network in binary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous subnet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Steps the host address back to the previous subnet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next subnet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Steps the host address on to the next subnet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Broadcast in binary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Broadcast address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send Next 20 Subnets to Notepad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writes this subnet and the next nineteen to a text file and opens it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>31-bit mask as per RFC 3021</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Counts two hosts in a subnet with a 31-bit mask</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Host IP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mask Bits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subnet Bits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Host Bits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max Subnets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max Hosts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current Network:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subnet Mask:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current Host Range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Host</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mask</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subnet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Broadcast</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;Prev Subnet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next Subnet&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;31-bit mask as per RFC 3021</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subnet Calculator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is the last subnet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is the first subnet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The subnet list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RESULT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <comment>host range</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ucWildCardChecker</name>
    <message>
        <source>IP &amp;Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wildcard &amp;Mask</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send to &amp;Notepad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Matches these addresses:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The wildcard report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wildcard Mask Checker</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IP address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wildcard mask</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lists the matches again; they already follow every change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send to Notepad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writes the matches to a text file and opens it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Matches of the first octet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Matches of the second octet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Matches of the third octet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Matches of the fourth octet</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
