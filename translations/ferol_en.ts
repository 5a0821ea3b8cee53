<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>Ipv6Texts</name>
    <message numerus="yes">
        <source>group %1 has %n digit(s)</source>
        <translation>
            <numerusform>group %1 has %n digit</numerusform>
            <numerusform>group %1 has %n digits</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n group(s) and no &apos;::&apos;; an address has 8</source>
        <translation>
            <numerusform>%n group and no &apos;::&apos;; an address has 8</numerusform>
            <numerusform>%n groups and no &apos;::&apos;; an address has 8</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PlanDocument</name>
    <message numerus="yes">
        <source>Add %n need(s)</source>
        <translation>
            <numerusform>Add need</numerusform>
            <numerusform>Add %n needs</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Remove %n need(s)</source>
        <translation>
            <numerusform>Remove need</numerusform>
            <numerusform>Remove %n needs</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PlanPicture</name>
    <message numerus="yes">
        <source>%n block(s) too small to draw to scale are drawn %1 pixels wide, marked with a dot.</source>
        <translation>
            <numerusform>%n block too small to draw to scale is drawn %1 pixels wide, marked with a dot.</numerusform>
            <numerusform>%n blocks too small to draw to scale are drawn %1 pixels wide, marked with a dot.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PlanTexts</name>
    <message numerus="yes">
        <source>%n network(s)</source>
        <translation>
            <numerusform>%n network</numerusform>
            <numerusform>%n networks</numerusform>
        </translation>
    </message>
</context>
</TS>
