<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>Messages</name>
    <message numerus="yes">
        <source>%n question(s) loaded</source>
        <translation>
            <numerusform>%n question loaded</numerusform>
            <numerusform>%n questions loaded</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n answer(s)</source>
        <translation>
            <numerusform>%n answer</numerusform>
            <numerusform>%n answers</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n question(s) with a marked answer</source>
        <translation>
            <numerusform>%n question with a marked answer</numerusform>
            <numerusform>%n questions with a marked answer</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n error(s)</source>
        <translation>
            <numerusform>%n error</numerusform>
            <numerusform>%n errors</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n warning(s)</source>
        <translation>
            <numerusform>%n warning</numerusform>
            <numerusform>%n warnings</numerusform>
        </translation>
    </message>
</context>
</TS>
