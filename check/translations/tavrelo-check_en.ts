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
    <message numerus="yes">
        <source>… %n more character(s) of this line are not shown here</source>
        <translation>
            <numerusform>… %n more character of this line is not shown here</numerusform>
            <numerusform>… %n more characters of this line are not shown here</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>no button shows it: the question has only %n answer button(s)</source>
        <translation>
            <numerusform>no button shows it: the question has only %n answer button</numerusform>
            <numerusform>no button shows it: the question has only %n answer buttons</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>… %n more line(s) of this part of the file are not shown here</source>
        <translation>
            <numerusform>… %n more line of this part of the file is not shown here</numerusform>
            <numerusform>… %n more lines of this part of the file are not shown here</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>… %n more finding(s) here are not shown; the report lists them all</source>
        <translation>
            <numerusform>… %n more finding here is not shown; the report lists them all</numerusform>
            <numerusform>… %n more findings here are not shown; the report lists them all</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n note(s)</source>
        <translation>
            <numerusform>%n note</numerusform>
            <numerusform>%n notes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the %n lines of question %1&apos;s text are joined into one, since Aiken holds a question on one line</source>
        <translation>
            <numerusform>the %n line of question %1&apos;s text is joined into one, since Aiken holds a question on one line</numerusform>
            <numerusform>the %n lines of question %1&apos;s text are joined into one, since Aiken holds a question on one line</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>feedback is left out, here and in %n more question(s): Tavrelo shows none</source>
        <translation>
            <numerusform>feedback is left out, here and in %n more question: Tavrelo shows none</numerusform>
            <numerusform>feedback is left out, here and in %n more questions: Tavrelo shows none</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>negative marks for wrong answers are left out, here and in %n more question(s): Tavrelo counts a wrong answer as wrong, no more</source>
        <translation>
            <numerusform>negative marks for wrong answers are left out, here and in %n more question: Tavrelo counts a wrong answer as wrong, no more</numerusform>
            <numerusform>negative marks for wrong answers are left out, here and in %n more questions: Tavrelo counts a wrong answer as wrong, no more</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n question(s) converted into %1</source>
        <translation>
            <numerusform>%n question converted into %1</numerusform>
            <numerusform>%n questions converted into %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n left out</source>
        <translation>
            <numerusform>%n left out</numerusform>
            <numerusform>%n left out</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n more text line(s) are written with a space before them, as these are; they are not listed</source>
        <translation>
            <numerusform>%n more text line is written with a space before it, as these are; it is not listed</numerusform>
            <numerusform>%n more text lines are written with a space before them, as these are; they are not listed</numerusform>
        </translation>
    </message>
</context>
</TS>
