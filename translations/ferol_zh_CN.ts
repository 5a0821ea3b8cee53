<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AnswerModel</name>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>网络</translation>
    </message>
    <message>
        <source>Mask</source>
        <translation>掩码</translation>
    </message>
    <message>
        <source>First usable</source>
        <translation>第一个可用</translation>
    </message>
    <message>
        <source>First address</source>
        <translation>第一个地址</translation>
    </message>
    <message>
        <source>Last usable</source>
        <translation>最后一个可用</translation>
    </message>
    <message>
        <source>Last address</source>
        <translation>最后一个地址</translation>
    </message>
    <message>
        <source>Broadcast</source>
        <translation>广播</translation>
    </message>
    <message>
        <source>Usable hosts</source>
        <translation>可用主机数</translation>
    </message>
    <message>
        <source>/64 networks</source>
        <translation>/64 网络数</translation>
    </message>
    <message>
        <source>Unused hosts</source>
        <translation>未用主机数</translation>
    </message>
    <message>
        <source>Unused /64s</source>
        <translation>未用 /64 数</translation>
    </message>
    <message>
        <source>Free</source>
        <translation>空闲</translation>
    </message>
    <message>
        <source>Network %1</source>
        <translation>网络 %1</translation>
    </message>
    <message>
        <source>all</source>
        <translation>全部</translation>
    </message>
</context>
<context>
    <name>Ipv6SubnetList</name>
    <message>
        <source>%1 subnets of /%2 in %3</source>
        <translation>%3 中有 %1 个 /%2 子网</translation>
    </message>
    <message>
        <source>; the first %1 are listed, %2 more are not</source>
        <translation>；列出前 %1 个，其余 %2 个未列出</translation>
    </message>
</context>
<context>
    <name>Ipv6Texts</name>
    <message>
        <source>Type an IPv6 address, with /length if you like.</source>
        <translation>请输入 IPv6 地址，可附带 /长度。</translation>
    </message>
    <message>
        <source>zone indexes such as %1 are not part of an address</source>
        <translation>%1 这样的区域索引不属于地址</translation>
    </message>
    <message>
        <source>This is an IPv4 address; the Subnet Calculator tab takes IPv4.</source>
        <translation>这是 IPv4 地址；IPv4 请使用“子网计算器”选项卡。</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a hex digit</source>
        <translation>“%1”不是十六进制数字</translation>
    </message>
    <message>
        <source>three or more colons in a row</source>
        <translation>连续出现三个或更多冒号</translation>
    </message>
    <message>
        <source>more than one &apos;::&apos;</source>
        <translation>出现多个“::”</translation>
    </message>
    <message>
        <source>it starts with a single &apos;:&apos;</source>
        <translation>以单个“:”开头</translation>
    </message>
    <message>
        <source>it ends with a single &apos;:&apos;</source>
        <translation>以单个“:”结尾</translation>
    </message>
    <message>
        <source>a dotted IPv4 part may only end the address</source>
        <translation>点分 IPv4 部分只能位于地址末尾</translation>
    </message>
    <message>
        <source>the dotted IPv4 part is not four numbers</source>
        <translation>点分 IPv4 部分不是四个数</translation>
    </message>
    <message>
        <source>the dotted IPv4 part has a number with a leading zero</source>
        <translation>点分 IPv4 部分有带前导零的数</translation>
    </message>
    <message>
        <source>the dotted IPv4 part has a number above 255</source>
        <translation>点分 IPv4 部分有大于 255 的数</translation>
    </message>
    <message numerus="yes">
        <source>%n group(s) and no &apos;::&apos;; an address has 8</source>
        <translation>
            <numerusform>%n 个组且没有“::”；地址应有 8 个组</numerusform>
        </translation>
    </message>
    <message>
        <source>more than 8 groups</source>
        <translation>超过 8 个组</translation>
    </message>
    <message>
        <source>&apos;::&apos; beside 8 groups stands for none</source>
        <translation>“::”与 8 个组并存时不代表任何组</translation>
    </message>
    <message>
        <source>no prefix length after &apos;/&apos;</source>
        <translation>“/”后没有前缀长度</translation>
    </message>
    <message>
        <source>the prefix length is not a number</source>
        <translation>前缀长度不是数字</translation>
    </message>
    <message>
        <source>the prefix length has a leading zero</source>
        <translation>前缀长度带有前导零</translation>
    </message>
    <message>
        <source>the prefix length is above 128</source>
        <translation>前缀长度大于 128</translation>
    </message>
    <message>
        <source>bits are set beyond the prefix length</source>
        <translation>前缀长度之后有置位的比特</translation>
    </message>
    <message>
        <source>Not an IPv6 address: %1 (at character %2).</source>
        <translation>不是 IPv6 地址：%1（第 %2 个字符处）。</translation>
    </message>
    <message>
        <source>%1 (2^%2)</source>
        <translation>%1 (2^%2)</translation>
    </message>
    <message>
        <source>Global unicast; the network reaches into special-purpose blocks</source>
        <translation>全球单播；该网络延伸到特殊用途地址块</translation>
    </message>
    <message>
        <source>Global unicast</source>
        <translation>全球单播</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <translation>%1，%2，%3</translation>
    </message>
    <message>
        <source>; the network reaches beyond this block</source>
        <translation>；该网络超出此地址块</translation>
    </message>
    <message>
        <source>IPv4-mapped: %1</source>
        <translation>IPv4 映射：%1</translation>
    </message>
    <message>
        <source>6to4: %1</source>
        <translation>6to4：%1</translation>
    </message>
    <message>
        <source>Teredo: server %1, client %2, port %3</source>
        <translation>Teredo：服务器 %1，客户端 %2，端口 %3</translation>
    </message>
    <message>
        <source>NAT64: %1</source>
        <translation>NAT64：%1</translation>
    </message>
    <message>
        <source>None</source>
        <translation>无</translation>
    </message>
    <message>
        <source> (/%1 is not on a nibble boundary; this is the zone of /%2)</source>
        <translation>（/%1 不在半字节边界上；这是 /%2 的区域）</translation>
    </message>
    <message>
        <source>No network follows %1: it ends the address space.</source>
        <translation>%1 之后没有网络：它位于地址空间的末尾。</translation>
    </message>
    <message>
        <source>No network comes before %1: it starts the address space.</source>
        <translation>%1 之前没有网络：它位于地址空间的开头。</translation>
    </message>
    <message numerus="yes">
        <source>group %1 has %n digit(s)</source>
        <translation>
            <numerusform>第 %1 组有 %n 位数字</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>NeedsModel</name>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>/64 networks or /n</source>
        <translation>/64 网络数或 /n</translation>
    </message>
    <message>
        <source>Hosts or /n</source>
        <translation>主机数或 /n</translation>
    </message>
    <message>
        <source>How many /64 networks the need takes, or /n for a network of prefix length n</source>
        <translation>该需求占用的 /64 网络数，或用 /n 表示前缀长度为 n 的网络</translation>
    </message>
    <message>
        <source>How many usable host addresses the need takes, or /n for a network of prefix length n</source>
        <translation>该需求占用的可用主机地址数，或用 /n 表示前缀长度为 n 的网络</translation>
    </message>
</context>
<context>
    <name>OctetBoxRow</name>
    <message>
        <source>%1, octet %2 of %3</source>
        <extracomment>An octet box&apos;s accessible name: %1 the address it is part of, %2 its place, %3 the count.</extracomment>
        <translation>%1，第 %2 个八位组（共 %3 个）</translation>
    </message>
</context>
<context>
    <name>PlanCommandBar</name>
    <message>
        <source>New</source>
        <translation>新建</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>打开…</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>另存为…</translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation>导出 CSV…</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>重做</translation>
    </message>
    <message>
        <source>Open Plan</source>
        <translation>打开规划</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>撤销：%1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>重做：%1</translation>
    </message>
    <message>
        <source>Recent plans</source>
        <translation>最近的规划</translation>
    </message>
    <message>
        <source>plan</source>
        <translation>规划</translation>
    </message>
    <message>
        <source>Save Plan As</source>
        <translation>规划另存为</translation>
    </message>
    <message>
        <source>Save Plan</source>
        <translation>保存规划</translation>
    </message>
    <message>
        <source>Export Answer as CSV</source>
        <translation>将结果导出为 CSV</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>导出 CSV</translation>
    </message>
    <message>
        <source>The plan has unsaved changes. Save them?</source>
        <translation>规划有未保存的更改。是否保存？</translation>
    </message>
    <message>
        <source>The plan %1 has unsaved changes. Save them?</source>
        <translation>规划 %1 有未保存的更改。是否保存？</translation>
    </message>
    <message>
        <source>Planner</source>
        <translation>规划器</translation>
    </message>
    <message>
        <source>Untitled plan</source>
        <translation>未命名规划</translation>
    </message>
    <message>
        <source>%1 (unsaved)</source>
        <translation>%1（未保存）</translation>
    </message>
    <message>
        <source>No recent plans</source>
        <translation>没有最近的规划</translation>
    </message>
</context>
<context>
    <name>PlanDocument</name>
    <message>
        <source>Parent network</source>
        <translation>父网络</translation>
    </message>
    <message>
        <source>Way to divide</source>
        <translation>划分方式</translation>
    </message>
    <message>
        <source>Split length</source>
        <translation>划分长度</translation>
    </message>
    <message>
        <source>Number of networks</source>
        <translation>网络数</translation>
    </message>
    <message>
        <source>Two-host links</source>
        <translation>双主机链路</translation>
    </message>
    <message>
        <source>Edit need</source>
        <translation>编辑需求</translation>
    </message>
    <message>
        <source>Move need</source>
        <translation>移动需求</translation>
    </message>
    <message numerus="yes">
        <source>Add %n need(s)</source>
        <translation>
            <numerusform>添加 %n 项需求</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Remove %n need(s)</source>
        <translation>
            <numerusform>删除 %n 项需求</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PlanFiles</name>
    <message>
        <source>%1 was not opened.
%2</source>
        <translation>未打开 %1。
%2</translation>
    </message>
    <message>
        <source>The networks stored in %1 are not the ones its plan gives (%2). The plan&apos;s own are shown.</source>
        <translation>%1 中保存的网络与其规划得出的不同（%2）。显示的是规划本身的网络。</translation>
    </message>
    <message>
        <source>The plan was not saved: &apos;%1&apos; is not a network yet.</source>
        <translation>规划未保存：“%1”还不是网络。</translation>
    </message>
    <message>
        <source>The plan</source>
        <translation>规划</translation>
    </message>
    <message>
        <source>The answer</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>Address plans (*.%1);;All files (*)</source>
        <translation>地址规划 (*.%1);;所有文件 (*)</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV 文件 (*.csv);;所有文件 (*)</translation>
    </message>
</context>
<context>
    <name>PlanPicture</name>
    <message>
        <source>No plan to draw.</source>
        <translation>没有可绘制的规划。</translation>
    </message>
    <message>
        <source>Addresses run from left to right, lowest first; hatched blocks are free.</source>
        <translation>地址从左到右由低到高排列；带阴影线的块为空闲。</translation>
    </message>
    <message>
        <source>free</source>
        <translation>空闲</translation>
    </message>
    <message>
        <source>Free</source>
        <translation>空闲</translation>
    </message>
    <message numerus="yes">
        <source>%n block(s) too small to draw to scale are drawn %1 pixels wide, marked with a dot.</source>
        <translation>
            <numerusform>%n 个块太小无法按比例绘制，以 %1 像素宽绘制并用圆点标记。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PlanTexts</name>
    <message>
        <source>Type the network to divide, as 10.0.0.0/24, 10.0.0.0 255.255.255.0 or 2001:db8::/48.</source>
        <translation>请输入要划分的网络，例如 10.0.0.0/24、10.0.0.0 255.255.255.0 或 2001:db8::/48。</translation>
    </message>
    <message>
        <source>Not a network: write an address and its prefix length or mask.</source>
        <translation>不是网络：请写出地址及其前缀长度或掩码。</translation>
    </message>
    <message>
        <source>Not a network: a number with a leading zero is ambiguous.</source>
        <translation>不是网络：带前导零的数有歧义。</translation>
    </message>
    <message>
        <source>Not a network: a part of the address is too large.</source>
        <translation>不是网络：地址的某一部分过大。</translation>
    </message>
    <message>
        <source>Not a network: the prefix length is not one the address family allows.</source>
        <translation>不是网络：该地址族不允许此前缀长度。</translation>
    </message>
    <message>
        <source>Not a network: a mask has its one bits first, with no gap.</source>
        <translation>不是网络：掩码的 1 比特应连续位于最前，中间不能有空缺。</translation>
    </message>
    <message>
        <source>Not a network: the address has bits set beyond the prefix length.</source>
        <translation>不是网络：地址在前缀长度之后有置位的比特。</translation>
    </message>
    <message>
        <source>Not a network: a zone index (%) names a link, not a network.</source>
        <translation>不是网络：区域索引（%）指代链路，而不是网络。</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>第 %1 行</translation>
    </message>
    <message>
        <source>more than </source>
        <translation>超过 </translation>
    </message>
    <message>
        <source>Does not fit: %1 addresses missing in %2.</source>
        <translation>无法容纳：%2 中缺少 %1 个地址。</translation>
    </message>
    <message>
        <source>Does not fit: %1 addresses missing in %2; %3 is the first need with no room left.</source>
        <translation>无法容纳：%2 中缺少 %1 个地址；%3 是第一个放不下的需求。</translation>
    </message>
    <message>
        <source>%1 asks for /%2, longer than an %3 address.</source>
        <translation>%1 要求 /%2，超过了 %3 地址的长度。</translation>
    </message>
    <message>
        <source>/%1 is longer than an %2 address.</source>
        <translation>/%1 超过了 %2 地址的长度。</translation>
    </message>
    <message>
        <source>Split into how many networks? At least one.</source>
        <translation>要划分为多少个网络？至少一个。</translation>
    </message>
    <message>
        <source>That makes more than %1 networks; choose fewer.</source>
        <translation>这将超过 %1 个网络；请减少数量。</translation>
    </message>
    <message>
        <source>%1 in %2: %3 of %4 addresses allocated (%5 %).</source>
        <translation>%2 中的 %1：已分配 %4 个地址中的 %3 个（%5%）。</translation>
    </message>
    <message>
        <source>Line %1: “%2” is not a size (a number, or /n for a prefix length).</source>
        <translation>第 %1 行：“%2”不是大小（应为数字，或用 /n 表示前缀长度）。</translation>
    </message>
    <message numerus="yes">
        <source>%n network(s)</source>
        <translation>
            <numerusform>%n 个网络</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ReportFile</name>
    <message>
        <source>The report was saved as
%1
but no program could open it.</source>
        <translation>报告已保存为
%1
但没有程序能打开它。</translation>
    </message>
    <message>
        <source>The EULA Is Unavailable At This Time

No program could open
%1</source>
        <translation>最终用户许可协议暂时无法查看

没有程序能打开
%1</translation>
    </message>
    <message>
        <source>No web browser could open
%1</source>
        <translation>没有网页浏览器能打开
%1</translation>
    </message>
    <message>
        <source>No folder was named to create.</source>
        <translation>未指定要创建的文件夹。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a file, not a folder.</source>
        <translation>“%1”是文件，不是文件夹。</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; cannot be created because &quot;%2&quot; is a file.</source>
        <translation>无法创建文件夹“%1”，因为“%2”是一个文件。</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; could not be created.</source>
        <translation>无法创建文件夹“%1”。</translation>
    </message>
    <message>
        <source>The documents folder is unknown, so the reports have no folder to go to.</source>
        <translation>文档文件夹未知，报告无处保存。</translation>
    </message>
    <message>
        <source>%1 could not be saved.
%2</source>
        <translation>无法保存 %1。
%2</translation>
    </message>
    <message>
        <source>%1 could not be saved to %2.
%3</source>
        <translation>无法将 %1 保存到 %2。
%3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not exist.</source>
        <translation>“%1”不存在。</translation>
    </message>
</context>
<context>
    <name>SpecialBlockNames</name>
    <message>
        <source>This network</source>
        <translation>本网络</translation>
    </message>
    <message>
        <source>This host on this network</source>
        <translation>本网络上的本主机</translation>
    </message>
    <message>
        <source>Private-Use</source>
        <translation>私有地址</translation>
    </message>
    <message>
        <source>Shared Address Space</source>
        <translation>共享地址空间</translation>
    </message>
    <message>
        <source>Loopback</source>
        <translation>环回</translation>
    </message>
    <message>
        <source>Link Local</source>
        <translation>链路本地</translation>
    </message>
    <message>
        <source>IETF Protocol Assignments</source>
        <translation>IETF 协议分配</translation>
    </message>
    <message>
        <source>IPv4 Service Continuity Prefix</source>
        <translation>IPv4 服务连续性前缀</translation>
    </message>
    <message>
        <source>IPv4 dummy address</source>
        <translation>IPv4 虚拟地址</translation>
    </message>
    <message>
        <source>Port Control Protocol Anycast</source>
        <translation>端口控制协议任播</translation>
    </message>
    <message>
        <source>Traversal Using Relays around NAT Anycast</source>
        <translation>NAT 中继穿越 (TURN) 任播</translation>
    </message>
    <message>
        <source>NAT64/DNS64 Discovery</source>
        <translation>NAT64/DNS64 发现</translation>
    </message>
    <message>
        <source>Documentation (TEST-NET-1)</source>
        <translation>文档 (TEST-NET-1)</translation>
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
        <translation>已弃用（6to4 中继任播）</translation>
    </message>
    <message>
        <source>6a44-relay anycast address</source>
        <translation>6a44 中继任播地址</translation>
    </message>
    <message>
        <source>Direct Delegation AS112 Service</source>
        <translation>直接委派 AS112 服务</translation>
    </message>
    <message>
        <source>Benchmarking</source>
        <translation>基准测试</translation>
    </message>
    <message>
        <source>Documentation (TEST-NET-2)</source>
        <translation>文档 (TEST-NET-2)</translation>
    </message>
    <message>
        <source>Documentation (TEST-NET-3)</source>
        <translation>文档 (TEST-NET-3)</translation>
    </message>
    <message>
        <source>Multicast</source>
        <translation>组播</translation>
    </message>
    <message>
        <source>Reserved</source>
        <translation>保留</translation>
    </message>
    <message>
        <source>Limited Broadcast</source>
        <translation>受限广播</translation>
    </message>
    <message>
        <source>Unspecified Address</source>
        <translation>未指定地址</translation>
    </message>
    <message>
        <source>Loopback Address</source>
        <translation>环回地址</translation>
    </message>
    <message>
        <source>IPv4-mapped Address</source>
        <translation>IPv4 映射地址</translation>
    </message>
    <message>
        <source>IPv4-IPv6 Translat.</source>
        <translation>IPv4-IPv6 转换</translation>
    </message>
    <message>
        <source>Discard-Only Address Block</source>
        <translation>仅丢弃地址块</translation>
    </message>
    <message>
        <source>Dummy IPv6 Prefix</source>
        <translation>IPv6 虚拟前缀</translation>
    </message>
    <message>
        <source>TEREDO</source>
        <translation>TEREDO</translation>
    </message>
    <message>
        <source>DNS-SD Service Registration Protocol Anycast Address</source>
        <translation>DNS-SD 服务注册协议任播地址</translation>
    </message>
    <message>
        <source>AS112-v6</source>
        <translation>AS112-v6</translation>
    </message>
    <message>
        <source>Deprecated (previously ORCHID)</source>
        <translation>已弃用（原 ORCHID）</translation>
    </message>
    <message>
        <source>ORCHIDv2</source>
        <translation>ORCHIDv2</translation>
    </message>
    <message>
        <source>Drone Remote ID Protocol Entity Tags (DETs) Prefix</source>
        <translation>无人机远程识别协议实体标签 (DET) 前缀</translation>
    </message>
    <message>
        <source>Documentation</source>
        <translation>文档</translation>
    </message>
    <message>
        <source>6to4</source>
        <translation>6to4</translation>
    </message>
    <message>
        <source>Segment Routing (SRv6) SIDs</source>
        <translation>段路由 (SRv6) SID</translation>
    </message>
    <message>
        <source>Unique-Local</source>
        <translation>唯一本地</translation>
    </message>
    <message>
        <source>Link-Local Unicast</source>
        <translation>链路本地单播</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Ferol logo</source>
        <translation>Ferol 标志</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Closes this dialog</source>
        <translation>关闭此对话框</translation>
    </message>
    <message>
        <source>View DODA</source>
        <translation>查看 DODA</translation>
    </message>
    <message>
        <source>Opens the license document</source>
        <translation>打开许可协议文档</translation>
    </message>
    <message>
        <source>&amp;View DODA</source>
        <translation>查看 DODA(&amp;V)</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>关于 %1</translation>
    </message>
    <message>
        <source>Ferol Subnet Calculator contains the following tools for IPv4 and IPv6:  Subnet Calculator, Wildcard Checker, Decimal IP Calculator, IPv6 Calculator.</source>
        <translation>Ferol Subnet Calculator 包含以下 IPv4 和 IPv6 工具：子网计算器、通配符掩码检查器、十进制 IP 计算器、IPv6 计算器。</translation>
    </message>
    <message>
        <source>Copyright © 2026 Ferol. All rights reserved. This program is provided as is, without warranty of any kind.</source>
        <translation>Copyright © 2026 Ferol。保留所有权利。本程序按“原样”提供，不作任何形式的担保。</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>版本 %1</translation>
    </message>
</context>
<context>
    <name>frmWelcome2</name>
    <message>
        <source>Subnet Mask Calculator</source>
        <translation>子网掩码计算器</translation>
    </message>
    <message>
        <source>Wildcard Mask Checker</source>
        <translation>通配符掩码检查器</translation>
    </message>
    <message>
        <source>Decimal IP Calculator</source>
        <translation>十进制 IP 计算器</translation>
    </message>
    <message>
        <source>IPv6 Calculator</source>
        <translation>IPv6 计算器</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>&amp;Subnet Mask Calculator</source>
        <translation>子网掩码计算器(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Wildcard Mask Checker</source>
        <translation>通配符掩码检查器(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Decimal IP Calculator</source>
        <translation>十进制 IP 计算器(&amp;D)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;More</source>
        <translation>更多(&amp;M)</translation>
    </message>
    <message>
        <source>Free &amp;Lumbra Demo (Network Simulator)</source>
        <translation>免费 Lumbra 演示版（网络模拟器）(&amp;L)</translation>
    </message>
    <message>
        <source>Free &amp;Orvat Demos (Practice Exams)</source>
        <translation>免费 Orvat 演示版（模拟考试）(&amp;O)</translation>
    </message>
    <message>
        <source>Ferol&apos;s Free &amp;Utilities</source>
        <translation>Ferol 免费工具(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Ferol Home Page</source>
        <translation>Ferol 主页(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Contact Us</source>
        <translation>联系我们(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;About Subnet Calculator</source>
        <translation>关于子网计算器(&amp;A)</translation>
    </message>
    <message>
        <source>Exit?</source>
        <translation>退出？</translation>
    </message>
    <message>
        <source>Are you sure you want to exit?</source>
        <translation>确定要退出吗？</translation>
    </message>
    <message>
        <source>Ferol banner</source>
        <translation>Ferol 横幅</translation>
    </message>
    <message>
        <source>Shows the Ferol tab</source>
        <translation>显示 Ferol 选项卡</translation>
    </message>
    <message>
        <source>Planner</source>
        <translation>规划器</translation>
    </message>
</context>
<context>
    <name>ucDecimalCalc</name>
    <message>
        <source>IP address</source>
        <translation>IP 地址</translation>
    </message>
    <message>
        <source>Changing an octet updates the decimal address</source>
        <translation>修改八位组会更新十进制地址</translation>
    </message>
    <message>
        <source>Example addresses button</source>
        <translation>示例地址按钮</translation>
    </message>
    <message>
        <source>Opens and closes the list of example addresses</source>
        <translation>打开或关闭示例地址列表</translation>
    </message>
    <message>
        <source>Example addresses</source>
        <translation>示例地址</translation>
    </message>
    <message>
        <source>Up and Down fill in the highlighted address; Enter or Space picks it</source>
        <translation>上下方向键填入突出显示的地址；Enter 或空格键选定</translation>
    </message>
    <message>
        <source>Decimal address</source>
        <translation>十进制地址</translation>
    </message>
    <message>
        <source>Typing a number here updates the octets</source>
        <translation>在此输入数字会更新各八位组</translation>
    </message>
    <message>
        <source>What the decimal address is for</source>
        <translation>十进制地址的用途</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>IP 地址</translation>
    </message>
    <message>
        <source>Decimal Address</source>
        <translation>十进制地址</translation>
    </message>
    <message>
        <source>We normally think of using an IP address to navigate to a Web  site. For example:
http://172.16.128.14

Alternatively, you can use the decimal equivalent to navigate to a Web site. For example:
http://2886762510
</source>
        <translation>我们通常用 IP 地址访问网站。例如：
http://172.16.128.14

也可以用对应的十进制数访问网站。例如：
http://2886762510
</translation>
    </message>
</context>
<context>
    <name>ucFerol</name>
    <message>
        <source>Ferol products</source>
        <translation>Ferol 产品</translation>
    </message>
    <message>
        <source>Tab moves from link to link; Enter opens one in the web browser</source>
        <translation>Tab 在链接间移动；Enter 在网页浏览器中打开链接</translation>
    </message>
</context>
<context>
    <name>ucIpv6Calc</name>
    <message>
        <source>&amp;Address:</source>
        <translation>地址(&amp;A)：</translation>
    </message>
    <message>
        <source>IPv6 address</source>
        <translation>IPv6 地址</translation>
    </message>
    <message>
        <source>Any IPv6 text form, optionally with /length</source>
        <translation>任意 IPv6 文本形式，可附带 /长度</translation>
    </message>
    <message>
        <source>Prefix &amp;length:</source>
        <translation>前缀长度(&amp;L)：</translation>
    </message>
    <message>
        <source>Prefix length</source>
        <translation>前缀长度</translation>
    </message>
    <message>
        <source>0 to 128; arrow keys, Home, End or digits</source>
        <translation>0 到 128；方向键、Home、End 或数字</translation>
    </message>
    <message>
        <source>&amp;Previous network</source>
        <translation>上一网络(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Next network</source>
        <translation>下一网络(&amp;N)</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>Compressed:</source>
        <translation>压缩形式：</translation>
    </message>
    <message>
        <source>Expanded:</source>
        <translation>完整形式：</translation>
    </message>
    <message>
        <source>Network:</source>
        <translation>网络：</translation>
    </message>
    <message>
        <source>First address:</source>
        <translation>第一个地址：</translation>
    </message>
    <message>
        <source>Last address:</source>
        <translation>最后一个地址：</translation>
    </message>
    <message>
        <source>Addresses:</source>
        <translation>地址数：</translation>
    </message>
    <message>
        <source>/64 networks:</source>
        <translation>/64 网络数：</translation>
    </message>
    <message>
        <source>Block:</source>
        <translation>地址块：</translation>
    </message>
    <message>
        <source>Embedded IPv4:</source>
        <translation>内嵌 IPv4：</translation>
    </message>
    <message>
        <source>Reverse name:</source>
        <translation>反向名称：</translation>
    </message>
    <message>
        <source>Reverse zone:</source>
        <translation>反向区域：</translation>
    </message>
    <message>
        <source>Hex worksheet:</source>
        <translation>十六进制工作表：</translation>
    </message>
    <message>
        <source>Network digits bold and underlined, interface digits plain, a digit holding both bold italic.</source>
        <translation>网络位数字为粗体加下划线，接口位数字为常规字体，兼含两者的数字为粗斜体。</translation>
    </message>
    <message>
        <source>&amp;Subnets of length:</source>
        <translation>子网长度(&amp;S)：</translation>
    </message>
    <message>
        <source>Subnets of length</source>
        <translation>子网长度</translation>
    </message>
    <message>
        <source>Subnet prefix length</source>
        <translation>子网前缀长度</translation>
    </message>
    <message>
        <source>Sa&amp;ve...</source>
        <translation>保存(&amp;V)...</translation>
    </message>
    <message>
        <source>Saves the listing as ipv6-subnets.txt and opens it</source>
        <translation>将列表保存为 ipv6-subnets.txt 并打开</translation>
    </message>
    <message>
        <source>Subnet count</source>
        <translation>子网数</translation>
    </message>
    <message>
        <source>Subnets</source>
        <translation>子网</translation>
    </message>
    <message>
        <source>None: the prefix is longer than /64</source>
        <translation>无：前缀长于 /64</translation>
    </message>
    <message>
        <source>A /128 holds no smaller networks.</source>
        <translation>/128 不包含更小的网络。</translation>
    </message>
    <message>
        <source>The IPv6 subnet list</source>
        <translation>IPv6 子网列表</translation>
    </message>
    <message>
        <source>IPv6 Calculator</source>
        <translation>IPv6 计算器</translation>
    </message>
</context>
<context>
    <name>ucPlanner</name>
    <message>
        <source>&amp;Network to divide:</source>
        <translation>要划分的网络(&amp;N)：</translation>
    </message>
    <message>
        <source>10.0.0.0/24, 10.0.0.0 255.255.255.0 or 2001:db8::/48</source>
        <translation>10.0.0.0/24、10.0.0.0 255.255.255.0 或 2001:db8::/48</translation>
    </message>
    <message>
        <source>&amp;Divide by:</source>
        <translation>划分方式(&amp;D)：</translation>
    </message>
    <message>
        <source>VLSM: each need its smallest network</source>
        <translation>VLSM：每项需求分配最小网络</translation>
    </message>
    <message>
        <source>Equal split into networks of /n</source>
        <translation>平均划分为 /n 网络</translation>
    </message>
    <message>
        <source>Equal split into N networks</source>
        <translation>平均划分为 N 个网络</translation>
    </message>
    <message>
        <source> networks</source>
        <translation> 个网络</translation>
    </message>
    <message>
        <source>Needs of &amp;2 hosts take a /31 (RFC 3021)</source>
        <translation>2 台主机的需求使用 /31（RFC 3021）(&amp;2)</translation>
    </message>
    <message>
        <source>N&amp;eeds:</source>
        <translation>需求(&amp;E)：</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>添加(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>删除(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>上移(&amp;U)</translation>
    </message>
    <message>
        <source>Do&amp;wn</source>
        <translation>下移(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>粘贴(&amp;P)</translation>
    </message>
    <message>
        <source>Allocated net&amp;works:</source>
        <translation>已分配网络(&amp;W)：</translation>
    </message>
    <message>
        <source>&amp;Copy all</source>
        <translation>全部复制(&amp;C)</translation>
    </message>
    <message>
        <source>Paste needs</source>
        <translation>粘贴需求</translation>
    </message>
    <message>
        <source>Add need</source>
        <translation>添加需求</translation>
    </message>
    <message>
        <source>Remove need</source>
        <translation>删除需求</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Nothing pasted. %1</source>
        <translation>未粘贴任何内容。%1</translation>
    </message>
    <message>
        <source>Nothing pasted: no lines of a name and a size.</source>
        <translation>未粘贴任何内容：没有包含名称和大小的行。</translation>
    </message>
    <message>
        <source>Network to divide</source>
        <translation>要划分的网络</translation>
    </message>
    <message>
        <source>An IPv4 or IPv6 network with its prefix length or mask</source>
        <translation>带前缀长度或掩码的 IPv4 或 IPv6 网络</translation>
    </message>
    <message>
        <source>Network to divide, problem</source>
        <translation>要划分的网络，问题</translation>
    </message>
    <message>
        <source>How to divide</source>
        <translation>划分方式</translation>
    </message>
    <message>
        <source>Prefix length of each network</source>
        <translation>每个网络的前缀长度</translation>
    </message>
    <message>
        <source>Number of networks</source>
        <translation>网络数</translation>
    </message>
    <message>
        <source>Two-host needs take a /31</source>
        <translation>双主机需求使用 /31</translation>
    </message>
    <message>
        <source>Plan picture</source>
        <translation>规划图</translation>
    </message>
    <message>
        <source>The parent&apos;s addresses from first to last; Left and Right select a network</source>
        <translation>父网络从第一个到最后一个的地址；左右方向键选择网络</translation>
    </message>
    <message>
        <source>Plan result</source>
        <translation>规划结果</translation>
    </message>
    <message>
        <source>Needs</source>
        <translation>需求</translation>
    </message>
    <message>
        <source>One row per need, a name and a size; paste lines of name and size</source>
        <translation>每项需求一行，包括名称和大小；可粘贴包含名称和大小的行</translation>
    </message>
    <message>
        <source>Needs, what a paste left out</source>
        <translation>需求，粘贴时未采用的内容</translation>
    </message>
    <message>
        <source>Move need up</source>
        <translation>上移需求</translation>
    </message>
    <message>
        <source>Move need down</source>
        <translation>下移需求</translation>
    </message>
    <message>
        <source>Allocated networks</source>
        <translation>已分配网络</translation>
    </message>
    <message>
        <source>Copy the allocated networks as text</source>
        <translation>将已分配网络复制为文本</translation>
    </message>
</context>
<context>
    <name>ucSubnetCalc</name>
    <message>
        <source>Subnetting</source>
        <translation>子网划分</translation>
    </message>
    <message>
        <source>Supernetting</source>
        <translation>超网聚合</translation>
    </message>
    <message>
        <source>Mask too long, no hosts.</source>
        <translation>掩码过长，没有主机。</translation>
    </message>
    <message>
        <source>Subnetting as per RFC3021.</source>
        <translation>按 RFC3021 划分子网。</translation>
    </message>
    <message>
        <source>Warning! Subnet - All 0&apos;s</source>
        <translation>警告！子网 - 全 0</translation>
    </message>
    <message>
        <source>Invalid Subnet - All 1&apos;s</source>
        <translation>无效子网 - 全 1</translation>
    </message>
    <message>
        <source>Enter Complete Host Address</source>
        <translation>请输入完整的主机地址</translation>
    </message>
    <message>
        <source>Class A Address</source>
        <translation>A 类地址</translation>
    </message>
    <message>
        <source>Loopback Address</source>
        <translation>环回地址</translation>
    </message>
    <message>
        <source>Class B Address</source>
        <translation>B 类地址</translation>
    </message>
    <message>
        <source>Class C Address</source>
        <translation>C 类地址</translation>
    </message>
    <message>
        <source>Invalid IP Address</source>
        <translation>无效的 IP 地址</translation>
    </message>
    <message>
        <source>You must enter the IP Address</source>
        <translation>必须输入 IP 地址</translation>
    </message>
    <message>
        <source>Host address</source>
        <translation>主机地址</translation>
    </message>
    <message>
        <source>Address class</source>
        <translation>地址类别</translation>
    </message>
    <message>
        <source>Mask and counts</source>
        <translation>掩码与数量</translation>
    </message>
    <message>
        <source>Mask length</source>
        <translation>掩码长度</translation>
    </message>
    <message>
        <source>Number of leading one bits of the subnet mask, 1 to 32</source>
        <translation>子网掩码前导 1 的位数，1 到 32</translation>
    </message>
    <message>
        <source>Mask bits</source>
        <translation>掩码位数</translation>
    </message>
    <message>
        <source>Subnet mask</source>
        <translation>子网掩码</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>Subnet bits</source>
        <translation>子网位</translation>
    </message>
    <message>
        <source>Host bits</source>
        <translation>主机位</translation>
    </message>
    <message>
        <source>Maximum subnets</source>
        <translation>最大子网数</translation>
    </message>
    <message>
        <source>Maximum hosts</source>
        <translation>最大主机数</translation>
    </message>
    <message>
        <source>Current subnet</source>
        <translation>当前子网</translation>
    </message>
    <message>
        <source>Current network</source>
        <translation>当前网络</translation>
    </message>
    <message>
        <source>Subnet mask of the current network</source>
        <translation>当前网络的子网掩码</translation>
    </message>
    <message>
        <source>Current host range</source>
        <translation>当前主机范围</translation>
    </message>
    <message>
        <source>Binary worksheet</source>
        <translation>二进制工作表</translation>
    </message>
    <message>
        <source>Host in binary</source>
        <translation>主机（二进制）</translation>
    </message>
    <message>
        <source>Mask in binary</source>
        <translation>掩码（二进制）</translation>
    </message>
    <message>
        <source>Network in binary</source>
        <translation>网络（二进制）</translation>
    </message>
    <message>
        <source>Network address</source>
        <translation>网络地址</translation>
    </message>
    <message>
        <source>Previous subnet</source>
        <translation>上一子网</translation>
    </message>
    <message>
        <source>Steps the host address back to the previous subnet</source>
        <translation>将主机地址移到上一个子网</translation>
    </message>
    <message>
        <source>Next subnet</source>
        <translation>下一子网</translation>
    </message>
    <message>
        <source>Steps the host address on to the next subnet</source>
        <translation>将主机地址移到下一个子网</translation>
    </message>
    <message>
        <source>Broadcast in binary</source>
        <translation>广播地址（二进制）</translation>
    </message>
    <message>
        <source>Broadcast address</source>
        <translation>广播地址</translation>
    </message>
    <message>
        <source>Send Next 20 Subnets to Notepad</source>
        <translation>将后续 20 个子网发送到记事本</translation>
    </message>
    <message>
        <source>Writes this subnet and the next nineteen to a text file and opens it</source>
        <translation>将此子网及其后十九个子网写入文本文件并打开</translation>
    </message>
    <message>
        <source>31-bit mask as per RFC 3021</source>
        <translation>按 RFC 3021 使用 31 位掩码</translation>
    </message>
    <message>
        <source>Counts two hosts in a subnet with a 31-bit mask</source>
        <translation>在 31 位掩码的子网中计为两台主机</translation>
    </message>
    <message>
        <source>&amp;Host IP</source>
        <translation>主机 IP(&amp;H)</translation>
    </message>
    <message>
        <source>Mask Bits</source>
        <translation>掩码位数</translation>
    </message>
    <message>
        <source>Subnet Bits</source>
        <translation>子网位</translation>
    </message>
    <message>
        <source>Host Bits</source>
        <translation>主机位</translation>
    </message>
    <message>
        <source>Max Subnets</source>
        <translation>最大子网数</translation>
    </message>
    <message>
        <source>Max Hosts</source>
        <translation>最大主机数</translation>
    </message>
    <message>
        <source>Current Network:</source>
        <translation>当前网络：</translation>
    </message>
    <message>
        <source>Subnet Mask:</source>
        <translation>子网掩码：</translation>
    </message>
    <message>
        <source>Current Host Range</source>
        <translation>当前主机范围</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>主机</translation>
    </message>
    <message>
        <source>Mask</source>
        <translation>掩码</translation>
    </message>
    <message>
        <source>Subnet</source>
        <translation>子网</translation>
    </message>
    <message>
        <source>Broadcast</source>
        <translation>广播</translation>
    </message>
    <message>
        <source>&lt;Prev Subnet</source>
        <translation>&lt;上一子网</translation>
    </message>
    <message>
        <source>Next Subnet&gt;</source>
        <translation>下一子网&gt;</translation>
    </message>
    <message>
        <source>&amp;31-bit mask as per RFC 3021</source>
        <translation>按 RFC 3021 使用 31 位掩码(&amp;3)</translation>
    </message>
    <message>
        <source>Subnet Calculator</source>
        <translation>子网计算器</translation>
    </message>
    <message>
        <source>This is the last subnet.</source>
        <translation>这是最后一个子网。</translation>
    </message>
    <message>
        <source>This is the first subnet.</source>
        <translation>这是第一个子网。</translation>
    </message>
    <message>
        <source>The subnet list</source>
        <translation>子网列表</translation>
    </message>
    <message>
        <source>RESULT</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>none</source>
        <translation>无</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <comment>host range</comment>
        <translation>%1 至 %2</translation>
    </message>
</context>
<context>
    <name>ucWildCardChecker</name>
    <message>
        <source>IP &amp;Address</source>
        <translation>IP 地址(&amp;A)</translation>
    </message>
    <message>
        <source>Wildcard &amp;Mask</source>
        <translation>通配符掩码(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>计算(&amp;C)</translation>
    </message>
    <message>
        <source>Send to &amp;Notepad</source>
        <translation>发送到记事本(&amp;N)</translation>
    </message>
    <message>
        <source>Matches these addresses:</source>
        <translation>匹配以下地址：</translation>
    </message>
    <message>
        <source>The wildcard report</source>
        <translation>通配符掩码报告</translation>
    </message>
    <message>
        <source>Wildcard Mask Checker</source>
        <translation>通配符掩码检查器</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP 地址</translation>
    </message>
    <message>
        <source>Wildcard mask</source>
        <translation>通配符掩码</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>计算</translation>
    </message>
    <message>
        <source>Lists the matches again; they already follow every change</source>
        <translation>重新列出匹配项；它们已随每次修改而更新</translation>
    </message>
    <message>
        <source>Send to Notepad</source>
        <translation>发送到记事本</translation>
    </message>
    <message>
        <source>Writes the matches to a text file and opens it</source>
        <translation>将匹配项写入文本文件并打开</translation>
    </message>
    <message>
        <source>Matches of the first octet</source>
        <translation>第一个八位组的匹配项</translation>
    </message>
    <message>
        <source>Matches of the second octet</source>
        <translation>第二个八位组的匹配项</translation>
    </message>
    <message>
        <source>Matches of the third octet</source>
        <translation>第三个八位组的匹配项</translation>
    </message>
    <message>
        <source>Matches of the fourth octet</source>
        <translation>第四个八位组的匹配项</translation>
    </message>
</context>
</TS>
