<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>AnswerModel</name>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Сеть</translation>
    </message>
    <message>
        <source>Mask</source>
        <translation>Маска</translation>
    </message>
    <message>
        <source>First usable</source>
        <translation>Первый доступный</translation>
    </message>
    <message>
        <source>First address</source>
        <translation>Первый адрес</translation>
    </message>
    <message>
        <source>Last usable</source>
        <translation>Последний доступный</translation>
    </message>
    <message>
        <source>Last address</source>
        <translation>Последний адрес</translation>
    </message>
    <message>
        <source>Broadcast</source>
        <translation>Широковещ.</translation>
    </message>
    <message>
        <source>Usable hosts</source>
        <translation>Доступных узлов</translation>
    </message>
    <message>
        <source>/64 networks</source>
        <translation>Сетей /64</translation>
    </message>
    <message>
        <source>Unused hosts</source>
        <translation>Неиспользуемых узлов</translation>
    </message>
    <message>
        <source>Unused /64s</source>
        <translation>Неиспользуемых /64</translation>
    </message>
    <message>
        <source>Free</source>
        <translation>Свободно</translation>
    </message>
    <message>
        <source>Network %1</source>
        <translation>Сеть %1</translation>
    </message>
    <message>
        <source>all</source>
        <translation>все</translation>
    </message>
</context>
<context>
    <name>Ipv6SubnetList</name>
    <message>
        <source>%1 subnets of /%2 in %3</source>
        <translation>Подсетей /%2 в %3: %1</translation>
    </message>
    <message>
        <source>; the first %1 are listed, %2 more are not</source>
        <translation>; показаны первые %1, ещё %2 — нет</translation>
    </message>
</context>
<context>
    <name>Ipv6Texts</name>
    <message>
        <source>Type an IPv6 address, with /length if you like.</source>
        <translation>Введите IPv6-адрес, при желании с /длиной.</translation>
    </message>
    <message>
        <source>zone indexes such as %1 are not part of an address</source>
        <translation>индексы зоны, такие как %1, не входят в адрес</translation>
    </message>
    <message>
        <source>This is an IPv4 address; the Subnet Calculator tab takes IPv4.</source>
        <translation>Это IPv4-адрес; IPv4 принимает вкладка «Калькулятор подсетей».</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a hex digit</source>
        <translation>«%1» — не шестнадцатеричная цифра</translation>
    </message>
    <message>
        <source>three or more colons in a row</source>
        <translation>три и более двоеточия подряд</translation>
    </message>
    <message>
        <source>more than one &apos;::&apos;</source>
        <translation>больше одного «::»</translation>
    </message>
    <message>
        <source>it starts with a single &apos;:&apos;</source>
        <translation>начинается с одиночного «:»</translation>
    </message>
    <message>
        <source>it ends with a single &apos;:&apos;</source>
        <translation>заканчивается одиночным «:»</translation>
    </message>
    <message>
        <source>a dotted IPv4 part may only end the address</source>
        <translation>часть IPv4 с точками может стоять только в конце адреса</translation>
    </message>
    <message>
        <source>the dotted IPv4 part is not four numbers</source>
        <translation>часть IPv4 с точками — не четыре числа</translation>
    </message>
    <message>
        <source>the dotted IPv4 part has a number with a leading zero</source>
        <translation>в части IPv4 с точками есть число с ведущим нулём</translation>
    </message>
    <message>
        <source>the dotted IPv4 part has a number above 255</source>
        <translation>в части IPv4 с точками есть число больше 255</translation>
    </message>
    <message numerus="yes">
        <source>%n group(s) and no &apos;::&apos;; an address has 8</source>
        <translation>
            <numerusform>%n группа и нет «::»; в адресе их 8</numerusform>
            <numerusform>%n группы и нет «::»; в адресе их 8</numerusform>
            <numerusform>%n групп и нет «::»; в адресе их 8</numerusform>
        </translation>
    </message>
    <message>
        <source>more than 8 groups</source>
        <translation>больше 8 групп</translation>
    </message>
    <message>
        <source>&apos;::&apos; beside 8 groups stands for none</source>
        <translation>«::» рядом с 8 группами ничего не заменяет</translation>
    </message>
    <message>
        <source>no prefix length after &apos;/&apos;</source>
        <translation>после «/» нет длины префикса</translation>
    </message>
    <message>
        <source>the prefix length is not a number</source>
        <translation>длина префикса — не число</translation>
    </message>
    <message>
        <source>the prefix length has a leading zero</source>
        <translation>у длины префикса ведущий ноль</translation>
    </message>
    <message>
        <source>the prefix length is above 128</source>
        <translation>длина префикса больше 128</translation>
    </message>
    <message>
        <source>bits are set beyond the prefix length</source>
        <translation>за длиной префикса есть ненулевые биты</translation>
    </message>
    <message>
        <source>Not an IPv6 address: %1 (at character %2).</source>
        <translation>Не IPv6-адрес: %1 (символ %2).</translation>
    </message>
    <message>
        <source>%1 (2^%2)</source>
        <translation>%1 (2^%2)</translation>
    </message>
    <message>
        <source>Global unicast; the network reaches into special-purpose blocks</source>
        <translation>Глобальный одноадресный; сеть заходит в блоки специального назначения</translation>
    </message>
    <message>
        <source>Global unicast</source>
        <translation>Глобальный одноадресный</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <translation>%1, %2, %3</translation>
    </message>
    <message>
        <source>; the network reaches beyond this block</source>
        <translation>; сеть выходит за пределы этого блока</translation>
    </message>
    <message>
        <source>IPv4-mapped: %1</source>
        <translation>Отображённый IPv4: %1</translation>
    </message>
    <message>
        <source>6to4: %1</source>
        <translation>6to4: %1</translation>
    </message>
    <message>
        <source>Teredo: server %1, client %2, port %3</source>
        <translation>Teredo: сервер %1, клиент %2, порт %3</translation>
    </message>
    <message>
        <source>NAT64: %1</source>
        <translation>NAT64: %1</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source> (/%1 is not on a nibble boundary; this is the zone of /%2)</source>
        <translation> (/%1 не на границе полубайта; это зона для /%2)</translation>
    </message>
    <message>
        <source>No network follows %1: it ends the address space.</source>
        <translation>После %1 нет сетей: она завершает адресное пространство.</translation>
    </message>
    <message>
        <source>No network comes before %1: it starts the address space.</source>
        <translation>Перед %1 нет сетей: она начинает адресное пространство.</translation>
    </message>
    <message numerus="yes">
        <source>group %1 has %n digit(s)</source>
        <translation>
            <numerusform>в группе %1 %n цифра</numerusform>
            <numerusform>в группе %1 %n цифры</numerusform>
            <numerusform>в группе %1 %n цифр</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>NeedsModel</name>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>/64 networks or /n</source>
        <translation>Сетей /64 или /n</translation>
    </message>
    <message>
        <source>Hosts or /n</source>
        <translation>Узлов или /n</translation>
    </message>
    <message>
        <source>How many /64 networks the need takes, or /n for a network of prefix length n</source>
        <translation>Сколько сетей /64 занимает потребность, или /n для сети с длиной префикса n</translation>
    </message>
    <message>
        <source>How many usable host addresses the need takes, or /n for a network of prefix length n</source>
        <translation>Сколько доступных адресов узлов занимает потребность, или /n для сети с длиной префикса n</translation>
    </message>
</context>
<context>
    <name>OctetBoxRow</name>
    <message>
        <source>%1, octet %2 of %3</source>
        <extracomment>An octet box&apos;s accessible name: %1 the address it is part of, %2 its place, %3 the count.</extracomment>
        <translation>%1, октет %2 из %3</translation>
    </message>
</context>
<context>
    <name>PlanCommandBar</name>
    <message>
        <source>New</source>
        <translation>Создать</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Открыть…</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Сохранить как…</translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation>Экспорт в CSV…</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Отменить</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Повторить</translation>
    </message>
    <message>
        <source>Open Plan</source>
        <translation>Открыть план</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Отменить: %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Повторить: %1</translation>
    </message>
    <message>
        <source>Recent plans</source>
        <translation>Недавние планы</translation>
    </message>
    <message>
        <source>plan</source>
        <translation>план</translation>
    </message>
    <message>
        <source>Save Plan As</source>
        <translation>Сохранить план как</translation>
    </message>
    <message>
        <source>Save Plan</source>
        <translation>Сохранить план</translation>
    </message>
    <message>
        <source>Export Answer as CSV</source>
        <translation>Экспорт результата в CSV</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Экспорт в CSV</translation>
    </message>
    <message>
        <source>The plan has unsaved changes. Save them?</source>
        <translation>В плане есть несохранённые изменения. Сохранить их?</translation>
    </message>
    <message>
        <source>The plan %1 has unsaved changes. Save them?</source>
        <translation>В плане %1 есть несохранённые изменения. Сохранить их?</translation>
    </message>
    <message>
        <source>Planner</source>
        <translation>Планировщик</translation>
    </message>
    <message>
        <source>Untitled plan</source>
        <translation>План без названия</translation>
    </message>
    <message>
        <source>%1 (unsaved)</source>
        <translation>%1 (не сохранён)</translation>
    </message>
    <message>
        <source>No recent plans</source>
        <translation>Нет недавних планов</translation>
    </message>
</context>
<context>
    <name>PlanDocument</name>
    <message>
        <source>Parent network</source>
        <translation>Исходная сеть</translation>
    </message>
    <message>
        <source>Way to divide</source>
        <translation>Способ разбиения</translation>
    </message>
    <message>
        <source>Split length</source>
        <translation>Длина разбиения</translation>
    </message>
    <message>
        <source>Number of networks</source>
        <translation>Число сетей</translation>
    </message>
    <message>
        <source>Two-host links</source>
        <translation>Каналы на два узла</translation>
    </message>
    <message>
        <source>Edit need</source>
        <translation>Изменить потребность</translation>
    </message>
    <message>
        <source>Move need</source>
        <translation>Переместить потребность</translation>
    </message>
    <message numerus="yes">
        <source>Add %n need(s)</source>
        <translation>
            <numerusform>Добавить %n потребность</numerusform>
            <numerusform>Добавить %n потребности</numerusform>
            <numerusform>Добавить %n потребностей</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Remove %n need(s)</source>
        <translation>
            <numerusform>Удалить %n потребность</numerusform>
            <numerusform>Удалить %n потребности</numerusform>
            <numerusform>Удалить %n потребностей</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PlanFiles</name>
    <message>
        <source>%1 was not opened.
%2</source>
        <translation>%1 не открыт.
%2</translation>
    </message>
    <message>
        <source>The networks stored in %1 are not the ones its plan gives (%2). The plan&apos;s own are shown.</source>
        <translation>Сети, сохранённые в %1, не совпадают с сетями его плана (%2). Показаны сети плана.</translation>
    </message>
    <message>
        <source>The plan was not saved: &apos;%1&apos; is not a network yet.</source>
        <translation>План не сохранён: «%1» пока не сеть.</translation>
    </message>
    <message>
        <source>The plan</source>
        <translation>План</translation>
    </message>
    <message>
        <source>The answer</source>
        <translation>Результат</translation>
    </message>
    <message>
        <source>Address plans (*.%1);;All files (*)</source>
        <translation>Адресные планы (*.%1);;Все файлы (*)</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Файлы CSV (*.csv);;Все файлы (*)</translation>
    </message>
</context>
<context>
    <name>PlanPicture</name>
    <message>
        <source>No plan to draw.</source>
        <translation>Нет плана для отображения.</translation>
    </message>
    <message>
        <source>Addresses run from left to right, lowest first; hatched blocks are free.</source>
        <translation>Адреса идут слева направо, начиная с меньшего; заштрихованные блоки свободны.</translation>
    </message>
    <message>
        <source>free</source>
        <translation>свободно</translation>
    </message>
    <message>
        <source>Free</source>
        <translation>Свободно</translation>
    </message>
    <message numerus="yes">
        <source>%n block(s) too small to draw to scale are drawn %1 pixels wide, marked with a dot.</source>
        <translation>
            <numerusform>%n блок, слишком малый для масштаба, нарисован шириной %1 пикс. и помечен точкой.</numerusform>
            <numerusform>%n блока, слишком малых для масштаба, нарисованы шириной %1 пикс. и помечены точкой.</numerusform>
            <numerusform>%n блоков, слишком малых для масштаба, нарисованы шириной %1 пикс. и помечены точкой.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PlanTexts</name>
    <message>
        <source>Type the network to divide, as 10.0.0.0/24, 10.0.0.0 255.255.255.0 or 2001:db8::/48.</source>
        <translation>Введите сеть для разбиения, например 10.0.0.0/24, 10.0.0.0 255.255.255.0 или 2001:db8::/48.</translation>
    </message>
    <message>
        <source>Not a network: write an address and its prefix length or mask.</source>
        <translation>Не сеть: укажите адрес и длину префикса или маску.</translation>
    </message>
    <message>
        <source>Not a network: a number with a leading zero is ambiguous.</source>
        <translation>Не сеть: число с ведущим нулём неоднозначно.</translation>
    </message>
    <message>
        <source>Not a network: a part of the address is too large.</source>
        <translation>Не сеть: часть адреса слишком велика.</translation>
    </message>
    <message>
        <source>Not a network: the prefix length is not one the address family allows.</source>
        <translation>Не сеть: семейство адресов не допускает такую длину префикса.</translation>
    </message>
    <message>
        <source>Not a network: a mask has its one bits first, with no gap.</source>
        <translation>Не сеть: в маске единичные биты идут первыми, без пропусков.</translation>
    </message>
    <message>
        <source>Not a network: the address has bits set beyond the prefix length.</source>
        <translation>Не сеть: в адресе за длиной префикса есть ненулевые биты.</translation>
    </message>
    <message>
        <source>Not a network: a zone index (%) names a link, not a network.</source>
        <translation>Не сеть: индекс зоны (%) обозначает канал, а не сеть.</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>строка %1</translation>
    </message>
    <message>
        <source>more than </source>
        <translation>более </translation>
    </message>
    <message>
        <source>Does not fit: %1 addresses missing in %2.</source>
        <translation>Не помещается: в %2 не хватает адресов (%1).</translation>
    </message>
    <message>
        <source>Does not fit: %1 addresses missing in %2; %3 is the first need with no room left.</source>
        <translation>Не помещается: в %2 не хватает адресов (%1); %3 — первая потребность, которой не хватило места.</translation>
    </message>
    <message>
        <source>%1 asks for /%2, longer than an %3 address.</source>
        <translation>%1 запрашивает /%2, а это длиннее %3-адреса.</translation>
    </message>
    <message>
        <source>/%1 is longer than an %2 address.</source>
        <translation>/%1 длиннее %2-адреса.</translation>
    </message>
    <message>
        <source>Split into how many networks? At least one.</source>
        <translation>На сколько сетей разбить? Минимум на одну.</translation>
    </message>
    <message>
        <source>That makes more than %1 networks; choose fewer.</source>
        <translation>Это больше %1 сетей; выберите меньше.</translation>
    </message>
    <message>
        <source>%1 in %2: %3 of %4 addresses allocated (%5 %).</source>
        <translation>%1 в %2 — выделено адресов: %3 из %4 (%5 %).</translation>
    </message>
    <message>
        <source>Line %1: “%2” is not a size (a number, or /n for a prefix length).</source>
        <translation>Строка %1: «%2» — не размер (нужно число или /n для длины префикса).</translation>
    </message>
    <message numerus="yes">
        <source>%n network(s)</source>
        <translation>
            <numerusform>%n сеть</numerusform>
            <numerusform>%n сети</numerusform>
            <numerusform>%n сетей</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ReportFile</name>
    <message>
        <source>The report was saved as
%1
but no program could open it.</source>
        <translation>Отчёт сохранён как
%1
но ни одна программа не смогла его открыть.</translation>
    </message>
    <message>
        <source>The EULA Is Unavailable At This Time

No program could open
%1</source>
        <translation>Лицензионное соглашение сейчас недоступно

Ни одна программа не смогла открыть
%1</translation>
    </message>
    <message>
        <source>No web browser could open
%1</source>
        <translation>Ни один веб-браузер не смог открыть
%1</translation>
    </message>
    <message>
        <source>No folder was named to create.</source>
        <translation>Не указана папка для создания.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a file, not a folder.</source>
        <translation>«%1» — это файл, а не папка.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; cannot be created because &quot;%2&quot; is a file.</source>
        <translation>Папку «%1» нельзя создать: «%2» — это файл.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; could not be created.</source>
        <translation>Не удалось создать папку «%1».</translation>
    </message>
    <message>
        <source>The documents folder is unknown, so the reports have no folder to go to.</source>
        <translation>Папка документов неизвестна, поэтому отчётам некуда сохраняться.</translation>
    </message>
    <message>
        <source>%1 could not be saved.
%2</source>
        <translation>Не удалось сохранить %1.
%2</translation>
    </message>
    <message>
        <source>%1 could not be saved to %2.
%3</source>
        <translation>Не удалось сохранить %1 в %2.
%3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not exist.</source>
        <translation>«%1» не существует.</translation>
    </message>
</context>
<context>
    <name>SpecialBlockNames</name>
    <message>
        <source>This network</source>
        <translation>Эта сеть</translation>
    </message>
    <message>
        <source>This host on this network</source>
        <translation>Этот узел в этой сети</translation>
    </message>
    <message>
        <source>Private-Use</source>
        <translation>Частное использование</translation>
    </message>
    <message>
        <source>Shared Address Space</source>
        <translation>Общее адресное пространство</translation>
    </message>
    <message>
        <source>Loopback</source>
        <translation>Обратная петля</translation>
    </message>
    <message>
        <source>Link Local</source>
        <translation>Локальный канал</translation>
    </message>
    <message>
        <source>IETF Protocol Assignments</source>
        <translation>Назначения протоколов IETF</translation>
    </message>
    <message>
        <source>IPv4 Service Continuity Prefix</source>
        <translation>Префикс непрерывности сервиса IPv4</translation>
    </message>
    <message>
        <source>IPv4 dummy address</source>
        <translation>Фиктивный адрес IPv4</translation>
    </message>
    <message>
        <source>Port Control Protocol Anycast</source>
        <translation>Anycast Port Control Protocol</translation>
    </message>
    <message>
        <source>Traversal Using Relays around NAT Anycast</source>
        <translation>Anycast Traversal Using Relays around NAT</translation>
    </message>
    <message>
        <source>NAT64/DNS64 Discovery</source>
        <translation>Обнаружение NAT64/DNS64</translation>
    </message>
    <message>
        <source>Documentation (TEST-NET-1)</source>
        <translation>Документация (TEST-NET-1)</translation>
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
        <translation>Устарело (anycast ретрансляторов 6to4)</translation>
    </message>
    <message>
        <source>6a44-relay anycast address</source>
        <translation>Anycast-адрес ретранслятора 6a44</translation>
    </message>
    <message>
        <source>Direct Delegation AS112 Service</source>
        <translation>Служба AS112 с прямым делегированием</translation>
    </message>
    <message>
        <source>Benchmarking</source>
        <translation>Тестирование производительности</translation>
    </message>
    <message>
        <source>Documentation (TEST-NET-2)</source>
        <translation>Документация (TEST-NET-2)</translation>
    </message>
    <message>
        <source>Documentation (TEST-NET-3)</source>
        <translation>Документация (TEST-NET-3)</translation>
    </message>
    <message>
        <source>Multicast</source>
        <translation>Многоадресная рассылка</translation>
    </message>
    <message>
        <source>Reserved</source>
        <translation>Зарезервировано</translation>
    </message>
    <message>
        <source>Limited Broadcast</source>
        <translation>Ограниченная широковещательная рассылка</translation>
    </message>
    <message>
        <source>Unspecified Address</source>
        <translation>Неопределённый адрес</translation>
    </message>
    <message>
        <source>Loopback Address</source>
        <translation>Адрес обратной петли</translation>
    </message>
    <message>
        <source>IPv4-mapped Address</source>
        <translation>Адрес IPv4, отображённый в IPv6</translation>
    </message>
    <message>
        <source>IPv4-IPv6 Translat.</source>
        <translation>Трансляция IPv4-IPv6</translation>
    </message>
    <message>
        <source>Discard-Only Address Block</source>
        <translation>Блок адресов только для отбрасывания</translation>
    </message>
    <message>
        <source>Dummy IPv6 Prefix</source>
        <translation>Фиктивный префикс IPv6</translation>
    </message>
    <message>
        <source>TEREDO</source>
        <translation>TEREDO</translation>
    </message>
    <message>
        <source>DNS-SD Service Registration Protocol Anycast Address</source>
        <translation>Anycast-адрес DNS-SD Service Registration Protocol</translation>
    </message>
    <message>
        <source>AS112-v6</source>
        <translation>AS112-v6</translation>
    </message>
    <message>
        <source>Deprecated (previously ORCHID)</source>
        <translation>Устарело (ранее ORCHID)</translation>
    </message>
    <message>
        <source>ORCHIDv2</source>
        <translation>ORCHIDv2</translation>
    </message>
    <message>
        <source>Drone Remote ID Protocol Entity Tags (DETs) Prefix</source>
        <translation>Префикс тегов сущностей Drone Remote ID (DET)</translation>
    </message>
    <message>
        <source>Documentation</source>
        <translation>Документация</translation>
    </message>
    <message>
        <source>6to4</source>
        <translation>6to4</translation>
    </message>
    <message>
        <source>Segment Routing (SRv6) SIDs</source>
        <translation>SID сегментной маршрутизации (SRv6)</translation>
    </message>
    <message>
        <source>Unique-Local</source>
        <translation>Уникальные локальные</translation>
    </message>
    <message>
        <source>Link-Local Unicast</source>
        <translation>Одноадресные локальные для канала</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Ferol logo</source>
        <translation>Логотип Ferol</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Closes this dialog</source>
        <translation>Закрывает это окно</translation>
    </message>
    <message>
        <source>View DODA</source>
        <translation>Открыть DODA</translation>
    </message>
    <message>
        <source>Opens the license document</source>
        <translation>Открывает текст лицензии</translation>
    </message>
    <message>
        <source>&amp;View DODA</source>
        <translation>&amp;Открыть DODA</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>О программе %1</translation>
    </message>
    <message>
        <source>Ferol Subnet Calculator contains the following tools for IPv4 and IPv6:  Subnet Calculator, Wildcard Checker, Decimal IP Calculator, IPv6 Calculator.</source>
        <translation>Инструменты для IPv4 и IPv6: калькулятор подсетей, проверка обратной маски, десятичный калькулятор IP, калькулятор IPv6.</translation>
    </message>
    <message>
        <source>Copyright © 2026 Ferol. All rights reserved. This program is provided as is, without warranty of any kind.</source>
        <translation>Copyright © 2026 Ferol. Все права защищены. Программа предоставляется «как есть», без каких-либо гарантий.</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Версия %1</translation>
    </message>
</context>
<context>
    <name>frmWelcome2</name>
    <message>
        <source>Subnet Mask Calculator</source>
        <translation>Калькулятор маски подсети</translation>
    </message>
    <message>
        <source>Wildcard Mask Checker</source>
        <translation>Проверка обратной маски</translation>
    </message>
    <message>
        <source>Decimal IP Calculator</source>
        <translation>Десятичный калькулятор IP</translation>
    </message>
    <message>
        <source>IPv6 Calculator</source>
        <translation>Калькулятор IPv6</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>&amp;Subnet Mask Calculator</source>
        <translation>Калькулятор &amp;маски подсети</translation>
    </message>
    <message>
        <source>&amp;Wildcard Mask Checker</source>
        <translation>Проверка &amp;обратной маски</translation>
    </message>
    <message>
        <source>&amp;Decimal IP Calculator</source>
        <translation>&amp;Десятичный калькулятор IP</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>В&amp;ыход</translation>
    </message>
    <message>
        <source>&amp;More</source>
        <translation>&amp;Ещё</translation>
    </message>
    <message>
        <source>Free &amp;Lumbra Demo (Network Simulator)</source>
        <translation>Бесплатная демоверсия &amp;Lumbra (симулятор сети)</translation>
    </message>
    <message>
        <source>Free &amp;Orvat Demos (Practice Exams)</source>
        <translation>Бесплатные демоверсии &amp;Orvat (пробные экзамены)</translation>
    </message>
    <message>
        <source>Ferol&apos;s Free &amp;Utilities</source>
        <translation>Бесплатные &amp;утилиты Ferol</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>&amp;Ferol Home Page</source>
        <translation>&amp;Домашняя страница Ferol</translation>
    </message>
    <message>
        <source>&amp;Contact Us</source>
        <translation>&amp;Связаться с нами</translation>
    </message>
    <message>
        <source>&amp;About Subnet Calculator</source>
        <translation>&amp;О калькуляторе подсетей</translation>
    </message>
    <message>
        <source>Exit?</source>
        <translation>Выйти?</translation>
    </message>
    <message>
        <source>Are you sure you want to exit?</source>
        <translation>Вы действительно хотите выйти?</translation>
    </message>
    <message>
        <source>Ferol banner</source>
        <translation>Баннер Ferol</translation>
    </message>
    <message>
        <source>Shows the Ferol tab</source>
        <translation>Показывает вкладку Ferol</translation>
    </message>
    <message>
        <source>Planner</source>
        <translation>Планировщик</translation>
    </message>
</context>
<context>
    <name>ucDecimalCalc</name>
    <message>
        <source>IP address</source>
        <translation>IP-адрес</translation>
    </message>
    <message>
        <source>Changing an octet updates the decimal address</source>
        <translation>Изменение октета обновляет десятичный адрес</translation>
    </message>
    <message>
        <source>Example addresses button</source>
        <translation>Кнопка примеров адресов</translation>
    </message>
    <message>
        <source>Opens and closes the list of example addresses</source>
        <translation>Открывает и закрывает список примеров адресов</translation>
    </message>
    <message>
        <source>Example addresses</source>
        <translation>Примеры адресов</translation>
    </message>
    <message>
        <source>Up and Down fill in the highlighted address; Enter or Space picks it</source>
        <translation>Стрелки вверх и вниз подставляют выделенный адрес; Enter или Пробел выбирает его</translation>
    </message>
    <message>
        <source>Decimal address</source>
        <translation>Десятичный адрес</translation>
    </message>
    <message>
        <source>Typing a number here updates the octets</source>
        <translation>Ввод числа здесь обновляет октеты</translation>
    </message>
    <message>
        <source>What the decimal address is for</source>
        <translation>Зачем нужен десятичный адрес</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>IP-адрес</translation>
    </message>
    <message>
        <source>Decimal Address</source>
        <translation>Десятичный адрес</translation>
    </message>
    <message>
        <source>We normally think of using an IP address to navigate to a Web  site. For example:
http://172.16.128.14

Alternatively, you can use the decimal equivalent to navigate to a Web site. For example:
http://2886762510
</source>
        <translation>Обычно для перехода на веб-сайт используют IP-адрес. Например:
http://172.16.128.14

Но можно использовать и десятичный эквивалент адреса. Например:
http://2886762510
</translation>
    </message>
</context>
<context>
    <name>ucFerol</name>
    <message>
        <source>Ferol products</source>
        <translation>Продукты Ferol</translation>
    </message>
    <message>
        <source>Tab moves from link to link; Enter opens one in the web browser</source>
        <translation>Tab переходит от ссылки к ссылке; Enter открывает её в веб-браузере</translation>
    </message>
</context>
<context>
    <name>ucIpv6Calc</name>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;Адрес:</translation>
    </message>
    <message>
        <source>IPv6 address</source>
        <translation>IPv6-адрес</translation>
    </message>
    <message>
        <source>Any IPv6 text form, optionally with /length</source>
        <translation>Любая текстовая форма IPv6, при желании с /длиной</translation>
    </message>
    <message>
        <source>Prefix &amp;length:</source>
        <translation>&amp;Длина префикса:</translation>
    </message>
    <message>
        <source>Prefix length</source>
        <translation>Длина префикса</translation>
    </message>
    <message>
        <source>0 to 128; arrow keys, Home, End or digits</source>
        <translation>От 0 до 128; стрелки, Home, End или цифры</translation>
    </message>
    <message>
        <source>&amp;Previous network</source>
        <translation>&amp;Предыдущая сеть</translation>
    </message>
    <message>
        <source>&amp;Next network</source>
        <translation>&amp;Следующая сеть</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>Compressed:</source>
        <translation>Сокращённый:</translation>
    </message>
    <message>
        <source>Expanded:</source>
        <translation>Полный:</translation>
    </message>
    <message>
        <source>Network:</source>
        <translation>Сеть:</translation>
    </message>
    <message>
        <source>First address:</source>
        <translation>Первый адрес:</translation>
    </message>
    <message>
        <source>Last address:</source>
        <translation>Последний адрес:</translation>
    </message>
    <message>
        <source>Addresses:</source>
        <translation>Адресов:</translation>
    </message>
    <message>
        <source>/64 networks:</source>
        <translation>Сетей /64:</translation>
    </message>
    <message>
        <source>Block:</source>
        <translation>Блок:</translation>
    </message>
    <message>
        <source>Embedded IPv4:</source>
        <translation>Встроенный IPv4:</translation>
    </message>
    <message>
        <source>Reverse name:</source>
        <translation>Обратное имя:</translation>
    </message>
    <message>
        <source>Reverse zone:</source>
        <translation>Обратная зона:</translation>
    </message>
    <message>
        <source>Hex worksheet:</source>
        <translation>Шестнадцатеричная таблица:</translation>
    </message>
    <message>
        <source>Network digits bold and underlined, interface digits plain, a digit holding both bold italic.</source>
        <translation>Цифры сети — жирные с подчёркиванием, цифры интерфейса — обычные, цифра, содержащая и то и другое, — жирный курсив.</translation>
    </message>
    <message>
        <source>&amp;Subnets of length:</source>
        <translation>&amp;Подсети длины:</translation>
    </message>
    <message>
        <source>Subnets of length</source>
        <translation>Подсети длины</translation>
    </message>
    <message>
        <source>Subnet prefix length</source>
        <translation>Длина префикса подсетей</translation>
    </message>
    <message>
        <source>Sa&amp;ve...</source>
        <translation>Со&amp;хранить...</translation>
    </message>
    <message>
        <source>Saves the listing as ipv6-subnets.txt and opens it</source>
        <translation>Сохраняет список в ipv6-subnets.txt и открывает его</translation>
    </message>
    <message>
        <source>Subnet count</source>
        <translation>Число подсетей</translation>
    </message>
    <message>
        <source>Subnets</source>
        <translation>Подсети</translation>
    </message>
    <message>
        <source>None: the prefix is longer than /64</source>
        <translation>Нет: префикс длиннее /64</translation>
    </message>
    <message>
        <source>A /128 holds no smaller networks.</source>
        <translation>В /128 нет сетей меньшего размера.</translation>
    </message>
    <message>
        <source>The IPv6 subnet list</source>
        <translation>Список подсетей IPv6</translation>
    </message>
    <message>
        <source>IPv6 Calculator</source>
        <translation>Калькулятор IPv6</translation>
    </message>
</context>
<context>
    <name>ucPlanner</name>
    <message>
        <source>&amp;Network to divide:</source>
        <translation>&amp;Сеть для разбиения:</translation>
    </message>
    <message>
        <source>10.0.0.0/24, 10.0.0.0 255.255.255.0 or 2001:db8::/48</source>
        <translation>10.0.0.0/24, 10.0.0.0 255.255.255.0 или 2001:db8::/48</translation>
    </message>
    <message>
        <source>&amp;Divide by:</source>
        <translation>&amp;Разбить:</translation>
    </message>
    <message>
        <source>VLSM: each need its smallest network</source>
        <translation>VLSM: каждой потребности наименьшую сеть</translation>
    </message>
    <message>
        <source>Equal split into networks of /n</source>
        <translation>Поровну на сети /n</translation>
    </message>
    <message>
        <source>Equal split into N networks</source>
        <translation>Поровну на N сетей</translation>
    </message>
    <message>
        <source> networks</source>
        <translation> сетей</translation>
    </message>
    <message>
        <source>Needs of &amp;2 hosts take a /31 (RFC 3021)</source>
        <translation>Потребностям на &amp;2 узла — /31 (RFC 3021)</translation>
    </message>
    <message>
        <source>N&amp;eeds:</source>
        <translation>&amp;Потребности:</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Добавить</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Удалить</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>&amp;Вверх</translation>
    </message>
    <message>
        <source>Do&amp;wn</source>
        <translation>В&amp;низ</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Вст&amp;авить</translation>
    </message>
    <message>
        <source>Allocated net&amp;works:</source>
        <translation>Выделенные се&amp;ти:</translation>
    </message>
    <message>
        <source>&amp;Copy all</source>
        <translation>&amp;Копировать всё</translation>
    </message>
    <message>
        <source>Paste needs</source>
        <translation>Вставить потребности</translation>
    </message>
    <message>
        <source>Add need</source>
        <translation>Добавить потребность</translation>
    </message>
    <message>
        <source>Remove need</source>
        <translation>Удалить потребность</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>Nothing pasted. %1</source>
        <translation>Ничего не вставлено. %1</translation>
    </message>
    <message>
        <source>Nothing pasted: no lines of a name and a size.</source>
        <translation>Ничего не вставлено: нет строк с именем и размером.</translation>
    </message>
    <message>
        <source>Network to divide</source>
        <translation>Сеть для разбиения</translation>
    </message>
    <message>
        <source>An IPv4 or IPv6 network with its prefix length or mask</source>
        <translation>Сеть IPv4 или IPv6 с длиной префикса или маской</translation>
    </message>
    <message>
        <source>Network to divide, problem</source>
        <translation>Сеть для разбиения, ошибка</translation>
    </message>
    <message>
        <source>How to divide</source>
        <translation>Способ разбиения</translation>
    </message>
    <message>
        <source>Prefix length of each network</source>
        <translation>Длина префикса каждой сети</translation>
    </message>
    <message>
        <source>Number of networks</source>
        <translation>Число сетей</translation>
    </message>
    <message>
        <source>Two-host needs take a /31</source>
        <translation>Потребностям на два узла — /31</translation>
    </message>
    <message>
        <source>Plan picture</source>
        <translation>Схема плана</translation>
    </message>
    <message>
        <source>The parent&apos;s addresses from first to last; Left and Right select a network</source>
        <translation>Адреса исходной сети от первого до последнего; стрелки влево и вправо выбирают сеть</translation>
    </message>
    <message>
        <source>Plan result</source>
        <translation>Результат плана</translation>
    </message>
    <message>
        <source>Needs</source>
        <translation>Потребности</translation>
    </message>
    <message>
        <source>One row per need, a name and a size; paste lines of name and size</source>
        <translation>Одна строка на потребность: имя и размер; можно вставить строки с именем и размером</translation>
    </message>
    <message>
        <source>Needs, what a paste left out</source>
        <translation>Потребности, что пропущено при вставке</translation>
    </message>
    <message>
        <source>Move need up</source>
        <translation>Переместить потребность вверх</translation>
    </message>
    <message>
        <source>Move need down</source>
        <translation>Переместить потребность вниз</translation>
    </message>
    <message>
        <source>Allocated networks</source>
        <translation>Выделенные сети</translation>
    </message>
    <message>
        <source>Copy the allocated networks as text</source>
        <translation>Копировать выделенные сети как текст</translation>
    </message>
</context>
<context>
    <name>ucSubnetCalc</name>
    <message>
        <source>Subnetting</source>
        <translation>Разбиение на подсети</translation>
    </message>
    <message>
        <source>Supernetting</source>
        <translation>Объединение в суперсеть</translation>
    </message>
    <message>
        <source>Mask too long, no hosts.</source>
        <translation>Маска слишком длинная, узлов нет.</translation>
    </message>
    <message>
        <source>Subnetting as per RFC3021.</source>
        <translation>Разбиение на подсети по RFC3021.</translation>
    </message>
    <message>
        <source>Warning! Subnet - All 0&apos;s</source>
        <translation>Внимание! Подсеть — все нули</translation>
    </message>
    <message>
        <source>Invalid Subnet - All 1&apos;s</source>
        <translation>Недопустимая подсеть — все единицы</translation>
    </message>
    <message>
        <source>Enter Complete Host Address</source>
        <translation>Введите полный адрес узла</translation>
    </message>
    <message>
        <source>Class A Address</source>
        <translation>Адрес класса A</translation>
    </message>
    <message>
        <source>Loopback Address</source>
        <translation>Адрес обратной петли</translation>
    </message>
    <message>
        <source>Class B Address</source>
        <translation>Адрес класса B</translation>
    </message>
    <message>
        <source>Class C Address</source>
        <translation>Адрес класса C</translation>
    </message>
    <message>
        <source>Invalid IP Address</source>
        <translation>Недопустимый IP-адрес</translation>
    </message>
    <message>
        <source>You must enter the IP Address</source>
        <translation>Необходимо ввести IP-адрес</translation>
    </message>
    <message>
        <source>Host address</source>
        <translation>Адрес узла</translation>
    </message>
    <message>
        <source>Address class</source>
        <translation>Класс адреса</translation>
    </message>
    <message>
        <source>Mask and counts</source>
        <translation>Маска и количества</translation>
    </message>
    <message>
        <source>Mask length</source>
        <translation>Длина маски</translation>
    </message>
    <message>
        <source>Number of leading one bits of the subnet mask, 1 to 32</source>
        <translation>Число ведущих единичных битов маски подсети, от 1 до 32</translation>
    </message>
    <message>
        <source>Mask bits</source>
        <translation>Биты маски</translation>
    </message>
    <message>
        <source>Subnet mask</source>
        <translation>Маска подсети</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>Subnet bits</source>
        <translation>Биты подсети</translation>
    </message>
    <message>
        <source>Host bits</source>
        <translation>Биты узла</translation>
    </message>
    <message>
        <source>Maximum subnets</source>
        <translation>Максимум подсетей</translation>
    </message>
    <message>
        <source>Maximum hosts</source>
        <translation>Максимум узлов</translation>
    </message>
    <message>
        <source>Current subnet</source>
        <translation>Текущая подсеть</translation>
    </message>
    <message>
        <source>Current network</source>
        <translation>Текущая сеть</translation>
    </message>
    <message>
        <source>Subnet mask of the current network</source>
        <translation>Маска подсети текущей сети</translation>
    </message>
    <message>
        <source>Current host range</source>
        <translation>Текущий диапазон узлов</translation>
    </message>
    <message>
        <source>Binary worksheet</source>
        <translation>Двоичная таблица</translation>
    </message>
    <message>
        <source>Host in binary</source>
        <translation>Узел в двоичном виде</translation>
    </message>
    <message>
        <source>Mask in binary</source>
        <translation>Маска в двоичном виде</translation>
    </message>
    <message>
        <source>Network in binary</source>
        <translation>Сеть в двоичном виде</translation>
    </message>
    <message>
        <source>Network address</source>
        <translation>Адрес сети</translation>
    </message>
    <message>
        <source>Previous subnet</source>
        <translation>Предыдущая подсеть</translation>
    </message>
    <message>
        <source>Steps the host address back to the previous subnet</source>
        <translation>Переводит адрес узла в предыдущую подсеть</translation>
    </message>
    <message>
        <source>Next subnet</source>
        <translation>Следующая подсеть</translation>
    </message>
    <message>
        <source>Steps the host address on to the next subnet</source>
        <translation>Переводит адрес узла в следующую подсеть</translation>
    </message>
    <message>
        <source>Broadcast in binary</source>
        <translation>Широковещательный адрес в двоичном виде</translation>
    </message>
    <message>
        <source>Broadcast address</source>
        <translation>Широковещательный адрес</translation>
    </message>
    <message>
        <source>Send Next 20 Subnets to Notepad</source>
        <translation>Отправить следующие 20 подсетей в Блокнот</translation>
    </message>
    <message>
        <source>Writes this subnet and the next nineteen to a text file and opens it</source>
        <translation>Записывает эту подсеть и девятнадцать следующих в текстовый файл и открывает его</translation>
    </message>
    <message>
        <source>31-bit mask as per RFC 3021</source>
        <translation>31-битная маска по RFC 3021</translation>
    </message>
    <message>
        <source>Counts two hosts in a subnet with a 31-bit mask</source>
        <translation>Считает два узла в подсети с 31-битной маской</translation>
    </message>
    <message>
        <source>&amp;Host IP</source>
        <translation>IP &amp;узла</translation>
    </message>
    <message>
        <source>Mask Bits</source>
        <translation>Биты маски</translation>
    </message>
    <message>
        <source>Subnet Bits</source>
        <translation>Биты подсети</translation>
    </message>
    <message>
        <source>Host Bits</source>
        <translation>Биты узла</translation>
    </message>
    <message>
        <source>Max Subnets</source>
        <translation>Макс. подсетей</translation>
    </message>
    <message>
        <source>Max Hosts</source>
        <translation>Макс. узлов</translation>
    </message>
    <message>
        <source>Current Network:</source>
        <translation>Текущая сеть:</translation>
    </message>
    <message>
        <source>Subnet Mask:</source>
        <translation>Маска подсети:</translation>
    </message>
    <message>
        <source>Current Host Range</source>
        <translation>Текущий диапазон узлов</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Узел</translation>
    </message>
    <message>
        <source>Mask</source>
        <translation>Маска</translation>
    </message>
    <message>
        <source>Subnet</source>
        <translation>Подсеть</translation>
    </message>
    <message>
        <source>Broadcast</source>
        <translation>Широковещ.</translation>
    </message>
    <message>
        <source>&lt;Prev Subnet</source>
        <translation>&lt;Пред. подсеть</translation>
    </message>
    <message>
        <source>Next Subnet&gt;</source>
        <translation>След. подсеть&gt;</translation>
    </message>
    <message>
        <source>&amp;31-bit mask as per RFC 3021</source>
        <translation>&amp;31-битная маска по RFC 3021</translation>
    </message>
    <message>
        <source>Subnet Calculator</source>
        <translation>Калькулятор подсетей</translation>
    </message>
    <message>
        <source>This is the last subnet.</source>
        <translation>Это последняя подсеть.</translation>
    </message>
    <message>
        <source>This is the first subnet.</source>
        <translation>Это первая подсеть.</translation>
    </message>
    <message>
        <source>The subnet list</source>
        <translation>Список подсетей</translation>
    </message>
    <message>
        <source>RESULT</source>
        <translation>РЕЗУЛЬТАТ</translation>
    </message>
    <message>
        <source>none</source>
        <translation>нет</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <comment>host range</comment>
        <translation>от %1 до %2</translation>
    </message>
</context>
<context>
    <name>ucWildCardChecker</name>
    <message>
        <source>IP &amp;Address</source>
        <translation>IP-&amp;адрес</translation>
    </message>
    <message>
        <source>Wildcard &amp;Mask</source>
        <translation>Обратная &amp;маска</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>&amp;Вычислить</translation>
    </message>
    <message>
        <source>Send to &amp;Notepad</source>
        <translation>Отправить в &amp;Блокнот</translation>
    </message>
    <message>
        <source>Matches these addresses:</source>
        <translation>Соответствует адресам:</translation>
    </message>
    <message>
        <source>The wildcard report</source>
        <translation>Отчёт по обратной маске</translation>
    </message>
    <message>
        <source>Wildcard Mask Checker</source>
        <translation>Проверка обратной маски</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP-адрес</translation>
    </message>
    <message>
        <source>Wildcard mask</source>
        <translation>Обратная маска</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Вычислить</translation>
    </message>
    <message>
        <source>Lists the matches again; they already follow every change</source>
        <translation>Снова выводит совпадения; они и так следуют за каждым изменением</translation>
    </message>
    <message>
        <source>Send to Notepad</source>
        <translation>Отправить в Блокнот</translation>
    </message>
    <message>
        <source>Writes the matches to a text file and opens it</source>
        <translation>Записывает совпадения в текстовый файл и открывает его</translation>
    </message>
    <message>
        <source>Matches of the first octet</source>
        <translation>Совпадения первого октета</translation>
    </message>
    <message>
        <source>Matches of the second octet</source>
        <translation>Совпадения второго октета</translation>
    </message>
    <message>
        <source>Matches of the third octet</source>
        <translation>Совпадения третьего октета</translation>
    </message>
    <message>
        <source>Matches of the fourth octet</source>
        <translation>Совпадения четвёртого октета</translation>
    </message>
</context>
</TS>
