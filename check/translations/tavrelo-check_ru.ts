<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>Messages</name>
    <message>
        <source>%1 and %2</source>
        <translation>%1 и %2</translation>
    </message>
    <message>
        <source>question %1 has only answer %2</source>
        <translation>в вопросе %1 только ответ %2</translation>
    </message>
    <message>
        <source>question %1 has answers %2</source>
        <translation>в вопросе %1 ответы %2</translation>
    </message>
    <message>
        <source>answer %1 is never shown</source>
        <translation>ответ %1 не будет показан</translation>
    </message>
    <message>
        <source>answers %1 are never shown</source>
        <translation>ответы %1 не будут показаны</translation>
    </message>
    <message>
        <source>the only button is empty</source>
        <translation>единственная кнопка пустая</translation>
    </message>
    <message>
        <source>the %1 button is empty</source>
        <translation>%1 кнопка пустая</translation>
    </message>
    <message>
        <source>the %1 buttons are empty</source>
        <translation>%1 кнопки пустые</translation>
    </message>
    <message>
        <source>its marked answer %1 cannot be chosen, so every choice counts as wrong</source>
        <translation>отмеченный ответ %1 выбрать нельзя, поэтому любой выбор засчитывается как неверный</translation>
    </message>
    <message numerus="yes">
        <source>%n question(s) loaded</source>
        <translation>
            <numerusform>загружен %n вопрос</numerusform>
            <numerusform>загружено %n вопроса</numerusform>
            <numerusform>загружено %n вопросов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n answer(s)</source>
        <translation>
            <numerusform>%n ответ</numerusform>
            <numerusform>%n ответа</numerusform>
            <numerusform>%n ответов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n question(s) with a marked answer</source>
        <translation>
            <numerusform>%n вопрос с отмеченным ответом</numerusform>
            <numerusform>%n вопроса с отмеченным ответом</numerusform>
            <numerusform>%n вопросов с отмеченным ответом</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n error(s)</source>
        <translation>
            <numerusform>%n ошибка</numerusform>
            <numerusform>%n ошибки</numerusform>
            <numerusform>%n ошибок</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n warning(s)</source>
        <translation>
            <numerusform>%n предупреждение</numerusform>
            <numerusform>%n предупреждения</numerusform>
            <numerusform>%n предупреждений</numerusform>
        </translation>
    </message>
    <message>
        <source>cannot be read: %1 (run-time error %2), which ends Tavrelo</source>
        <translation>не читается: %1 (ошибка выполнения %2), и Tavrelo закроется</translation>
    </message>
    <message>
        <source>is a folder, so Tavrelo says &quot;Data file not found&quot; and starts with no questions</source>
        <translation>это папка, поэтому Tavrelo сообщит «Data file not found» и откроется без вопросов</translation>
    </message>
    <message>
        <source>no such file, so Tavrelo says &quot;Data file not found&quot; and starts with no questions</source>
        <translation>такого файла нет, поэтому Tavrelo сообщит «Data file not found» и откроется без вопросов</translation>
    </message>
    <message>
        <source>Press Enter to close this window</source>
        <translation>Нажмите Enter, чтобы закрыть это окно</translation>
    </message>
    <message>
        <source>looks like answer %1, but spaces or tabs stand before &quot;%1)&quot;, so the line is question text</source>
        <translation>похоже на ответ %1, но перед «%1)» стоят пробелы или табуляция, поэтому строка считается текстом вопроса</translation>
    </message>
    <message>
        <source>looks like answer %1, but its &quot;%2&quot; is a small letter, so the line is question text</source>
        <translation>похоже на ответ %1, но буква «%2» строчная, поэтому строка считается текстом вопроса</translation>
    </message>
    <message>
        <source>looks like answer %1, but its &quot;%2&quot; is the Cyrillic letter, so the line is question text</source>
        <translation>похоже на ответ %1, но буква «%2» набрана в русской раскладке, поэтому строка считается текстом вопроса</translation>
    </message>
    <message>
        <source>looks like an answer, but answers take the Latin letters A) to D), not &quot;%1)&quot;, so the line is question text</source>
        <translation>похоже на ответ, но ответы обозначаются латинскими буквами от A) до D), а не «%1)», поэтому строка считается текстом вопроса</translation>
    </message>
    <message>
        <source>spaces before it</source>
        <translation>пробелы в начале строки</translation>
    </message>
    <message>
        <source>Latin letters that look like Cyrillic ones</source>
        <translation>латинские буквы вместо похожих русских</translation>
    </message>
    <message>
        <source>letters in the wrong case</source>
        <translation>перепутаны заглавные и строчные буквы</translation>
    </message>
    <message>
        <source>not one plain space between the words</source>
        <translation>между словами не один обычный пробел</translation>
    </message>
    <message>
        <source>a space before the colon</source>
        <translation>пробел перед двоеточием</translation>
    </message>
    <message>
        <source>no colon</source>
        <translation>нет двоеточия</translation>
    </message>
    <message>
        <source>a NUL byte at column %1</source>
        <translation>нулевой байт (NUL) в столбце %1</translation>
    </message>
    <message>
        <source>the byte %1, which Windows-1251 leaves undefined, at column %2</source>
        <translation>байт %1, которому в Windows-1251 не соответствует ни один символ, в столбце %2</translation>
    </message>
    <message>
        <source>the control byte %1 at column %2</source>
        <translation>управляющий байт %1 в столбце %2</translation>
    </message>
    <message>
        <source>out</source>
        <translation>копия</translation>
    </message>
    <message>
        <source>Write the report to &lt;report&gt; instead of the screen, in UTF-8 with a byte-order mark, as Notepad reads it.</source>
        <translation>Записать отчёт не на экран, а в файл &lt;отчёт&gt;: в UTF-8 с меткой порядка байтов (BOM), чтобы его правильно открыл Блокнот.</translation>
    </message>
    <message>
        <source>report</source>
        <translation>отчёт</translation>
    </message>
    <message>
        <source>Question files to check; data.txt by default.</source>
        <translation>Файлы с вопросами для проверки; если не указаны, проверяется data.txt.</translation>
    </message>
    <message>
        <source>[FILE...]</source>
        <translation>[ФАЙЛ...]</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>не удаётся записать %1: %2</translation>
    </message>
    <message>
        <source>--to-cp1251 converts one file at a time</source>
        <translation>--to-cp1251 перекодирует только один файл за раз</translation>
    </message>
    <message>
        <source>Windows-1251 copy written to %1</source>
        <translation>копия в Windows-1251 записана в %1</translation>
    </message>
    <message>
        <source>question %1 begins here, but Tavrelo loads only the first %2 questions: nothing from this line on is loaded</source>
        <translation>здесь начинается вопрос %1, но Tavrelo загружает только первые %2 вопросов: начиная с этой строки ничего не загружается</translation>
    </message>
    <message>
        <source>lines before the first question header are never shown: %1</source>
        <translation>строки перед первым заголовком вопроса не показываются: %1</translation>
    </message>
    <message>
        <source>question %1 has no answers: the learner sees no answer buttons</source>
        <translation>в вопросе %1 нет ответов: ученик не увидит ни одной кнопки ответа</translation>
    </message>
    <message>
        <source>question %1 has no marked answer, so every choice counts as wrong (end the right answer&apos;s line with &quot;*&quot;)</source>
        <translation>в вопросе %1 не отмечен правильный ответ, поэтому любой выбор засчитывается как неверный (поставьте «*» в конце строки правильного ответа)</translation>
    </message>
    <message>
        <source>no question header &quot;Вес вопроса:&quot; in the whole file: the learner gets an empty quiz</source>
        <translation>во всём файле нет ни одного заголовка вопроса «Вес вопроса:»: ученик получит пустой тест</translation>
    </message>
    <message>
        <source>answer %1 again in question %2: this line replaces the one on line %3</source>
        <translation>ответ %1 повторяется в вопросе %2: эта строка заменяет строку %3</translation>
    </message>
    <message>
        <source>, and the &quot;*&quot; of line %1 still marks it right</source>
        <translation>, а «*» из строки %1 по-прежнему отмечает его как правильный</translation>
    </message>
    <message>
        <source>second marked answer in question %1: only this one counts as right, not answer %2 marked on line %3</source>
        <translation>второй отмеченный ответ в вопросе %1: правильным считается только этот, а не ответ %2, отмеченный в строке %3</translation>
    </message>
    <message>
        <source>answer %1 ends in &quot;*&quot; followed by spaces or tabs, so it marks nothing and the &quot;*&quot; is shown</source>
        <translation>после «*» в конце ответа %1 стоят пробелы или табуляция, поэтому ответ не отмечен, а «*» виден ученику</translation>
    </message>
    <message>
        <source>text after the answers of question %1 joins its text above the answer buttons</source>
        <translation>текст после ответов вопроса %1 добавится к тексту вопроса над кнопками ответов</translation>
    </message>
    <message>
        <source>line begins with &quot;Ве&quot; but is no question header, so it is dropped and the learner never sees it</source>
        <translation>строка начинается с «Ве», но это не заголовок вопроса, поэтому она пропускается и ученик её не увидит</translation>
    </message>
    <message>
        <source>misspelt question header (%1) is never shown, nor are the lines below it: they come before the first header</source>
        <translation>заголовок вопроса с ошибкой (%1) не показывается, как и строки под ним: они стоят перед первым заголовком</translation>
    </message>
    <message>
        <source>misspelt question header (%1) is dropped, and the lines below it join question %2</source>
        <translation>заголовок вопроса с ошибкой (%1) пропускается, а строки под ним попадут в вопрос %2</translation>
    </message>
    <message>
        <source>misspelt question header (%1) shows as text of question %2, and the lines below it join it</source>
        <translation>заголовок вопроса с ошибкой (%1) будет показан как текст вопроса %2, и строки под ним тоже попадут в этот вопрос</translation>
    </message>
    <message>
        <source>line ends in %1 alone, not CR LF: Tavrelo reads it all the same (further such lines are not listed)</source>
        <translation>строка заканчивается одним %1, а не CR LF: Tavrelo прочитает её и так (другие такие строки не перечисляются)</translation>
    </message>
    <message>
        <source>more lines hold control characters; they are not listed</source>
        <translation>управляющие символы есть и в других строках; они не перечисляются</translation>
    </message>
    <message>
        <source>line holds %1</source>
        <translation>в строке есть %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (U+%2) has no Windows-1251 form</source>
        <translation>символа «%1» (U+%2) нет в Windows-1251</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>не удаётся прочитать: %1</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>такого файла нет</translation>
    </message>
    <message>
        <source>is the file being converted; name a new file for the copy</source>
        <translation>это и есть перекодируемый файл; для копии укажите новый файл</translation>
    </message>
    <message>
        <source>cannot be written: %1</source>
        <translation>не удаётся записать: %1</translation>
    </message>
    <message>
        <source>nothing was written</source>
        <translation>ничего не записано</translation>
    </message>
    <message>
        <source>first</source>
        <comment>button</comment>
        <translation>первая</translation>
    </message>
    <message>
        <source>second</source>
        <comment>button</comment>
        <translation>вторая</translation>
    </message>
    <message>
        <source>third</source>
        <comment>button</comment>
        <translation>третья</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>ФАЙЛ</translation>
    </message>
    <message>
        <source>the file is read as UTF-8</source>
        <translation>файл прочитан в кодировке UTF-8</translation>
    </message>
    <message>
        <source>the file is read as UTF-8, as its byte-order mark says</source>
        <translation>файл прочитан в кодировке UTF-8, как указывает его метка порядка байтов (BOM)</translation>
    </message>
    <message>
        <source>the file is read as UTF-16 (little-endian), as its byte-order mark says</source>
        <translation>файл прочитан в кодировке UTF-16 (little-endian), как указывает его метка порядка байтов (BOM)</translation>
    </message>
    <message>
        <source>the file is read as UTF-16 (big-endian), as its byte-order mark says</source>
        <translation>файл прочитан в кодировке UTF-16 (big-endian), как указывает его метка порядка байтов (BOM)</translation>
    </message>
    <message>
        <source>the file is read as Windows-1251 (Cyrillic), since it is not UTF-8 throughout and has no byte-order mark</source>
        <translation>файл прочитан в кодировке Windows-1251 (кириллица), так как он не целиком в UTF-8 и в его начале нет метки порядка байтов (BOM)</translation>
    </message>
    <message>
        <source>bytes that are not text in the file&apos;s encoding, shown as &quot;�&quot;, at column %1</source>
        <translation>байты, которые не читаются как текст в кодировке файла (видны как «�»), в столбце %1</translation>
    </message>
    <message>
        <source>Write a Windows-1251 copy of a UTF-8 or UTF-16 FILE, with CR LF line ends, to &lt;out&gt;, then check the copy: for programs that read only Windows-1251.</source>
        <translation>Записать копию ФАЙЛА из UTF-8 или UTF-16 в файл &lt;копия&gt; в кодировке Windows-1251 с концами строк CR LF и проверить эту копию: для программ, которые читают только Windows-1251.</translation>
    </message>
    <message>
        <source>is neither UTF-8 nor UTF-16, so there is nothing to convert</source>
        <translation>файл не в UTF-8 и не в UTF-16, перекодировать нечего</translation>
    </message>
    <message>
        <source>the character &quot;�&quot; (U+FFFD), which stands for text lost when the file was converted before, at column %1</source>
        <translation>символ «�» (U+FFFD), которым обозначают текст, потерянный при прежнем перекодировании файла, в столбце %1</translation>
    </message>
    <message>
        <source>the control character U+%1 at column %2</source>
        <translation>управляющий символ U+%1 в столбце %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds U+%2, which has no Windows-1251 form</source>
        <translation>в «%1» есть символ U+%2, которого нет в Windows-1251</translation>
    </message>
    <message>
        <source>cannot write %1 to %2, a file the checker reads; nothing was written</source>
        <translation>нельзя записать %1 в %2: этот файл читает проверка; ничего не записано</translation>
    </message>
    <message>
        <source>cannot write %1 to %2: that is %3, which the checker reads; nothing was written</source>
        <translation>нельзя записать %1 в %2: это тот же файл, что %3, который читает проверка; ничего не записано</translation>
    </message>
    <message>
        <source>cannot write %1 (%2) and %3 (%4) to one file: name two different files; nothing was written</source>
        <translation>нельзя записать %1 (%2) и %3 (%4) в один и тот же файл: укажите два разных файла; ничего не записано</translation>
    </message>
    <message>
        <source>the Windows-1251 copy</source>
        <comment>cannot write ... to</comment>
        <translation>копию в Windows-1251</translation>
    </message>
    <message>
        <source>the report</source>
        <comment>cannot write ... to</comment>
        <translation>отчёт</translation>
    </message>
    <message numerus="yes">
        <source>… %n more character(s) of this line are not shown here</source>
        <translation>
            <numerusform>… ещё %n знак этой строки здесь не показан</numerusform>
            <numerusform>… ещё %n знака этой строки здесь не показаны</numerusform>
            <numerusform>… ещё %n знаков этой строки здесь не показаны</numerusform>
        </translation>
    </message>
    <message>
        <source>line %1, error:</source>
        <translation>строка %1, ошибка:</translation>
    </message>
    <message>
        <source>line %1, warning:</source>
        <translation>строка %1, предупреждение:</translation>
    </message>
    <message>
        <source>line %1, note:</source>
        <translation>строка %1, замечание:</translation>
    </message>
    <message>
        <source>dropped: begins with &quot;Ве&quot; and is no question header</source>
        <translation>пропущена: начинается с «Ве», но это не заголовок вопроса</translation>
    </message>
    <message>
        <source>replaced by a later answer %1 of this question</source>
        <translation>заменён следующим ответом %1 этого вопроса</translation>
    </message>
    <message numerus="yes">
        <source>no button shows it: the question has only %n answer button(s)</source>
        <translation>
            <numerusform>его не показывает ни одна кнопка: у вопроса всего %n кнопка ответа</numerusform>
            <numerusform>его не показывает ни одна кнопка: у вопроса всего %n кнопки ответа</numerusform>
            <numerusform>его не показывает ни одна кнопка: у вопроса всего %n кнопок ответа</numerusform>
        </translation>
    </message>
    <message>
        <source>right answer:</source>
        <translation>правильный ответ:</translation>
    </message>
    <message>
        <source>an empty button: the file has no answer %1</source>
        <translation>пустая кнопка: в файле нет ответа %1</translation>
    </message>
    <message>
        <source>Before the first question header: never shown</source>
        <translation>До первого заголовка вопроса: не показывается никогда</translation>
    </message>
    <message>
        <source>Question #%1 and all that follows: not loaded, Tavrelo loads the first %2 questions only</source>
        <translation>Question #%1 и всё, что дальше, не загружается: Tavrelo загружает только первые %2 вопросов</translation>
    </message>
    <message numerus="yes">
        <source>… %n more line(s) of this part of the file are not shown here</source>
        <translation>
            <numerusform>… ещё %n строка этой части файла здесь не показана</numerusform>
            <numerusform>… ещё %n строки этой части файла здесь не показаны</numerusform>
            <numerusform>… ещё %n строк этой части файла здесь не показаны</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>… %n more finding(s) here are not shown; the report lists them all</source>
        <translation>
            <numerusform>… ещё %n сообщение проверки здесь не показано; в отчёте есть все</numerusform>
            <numerusform>… ещё %n сообщения проверки здесь не показаны; в отчёте есть все</numerusform>
            <numerusform>… ещё %n сообщений проверки здесь не показаны; в отчёте есть все</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n note(s)</source>
        <translation>
            <numerusform>%n замечание</numerusform>
            <numerusform>%n замечания</numerusform>
            <numerusform>%n замечаний</numerusform>
        </translation>
    </message>
    <message>
        <source>en</source>
        <comment>the page&apos;s language, as HTML names it</comment>
        <translation>ru</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>Показать:</translation>
    </message>
    <message>
        <source>Answer key, with ✔</source>
        <translation>Ключ ответов, с ✔</translation>
    </message>
    <message>
        <source>Copy for learners, no marks</source>
        <translation>Для учеников, без ✔</translation>
    </message>
    <message>
        <source>Print it with Ctrl+P on A4: each question stays on one page, and the findings and the lines the learner never sees are left out.</source>
        <translation>Печать — Ctrl+P, на A4: каждый вопрос остаётся на одной странице, а сообщения проверки и строки, которых ученик не увидит, не печатаются.</translation>
    </message>
    <message>
        <source>Answer key</source>
        <translation>Ключ ответов</translation>
    </message>
    <message>
        <source>Made by tavrelo-check %1.%2.%3</source>
        <translation>Сделано программой tavrelo-check %1.%2.%3</translation>
    </message>
    <message>
        <source>the page</source>
        <comment>cannot write ... to</comment>
        <translation>страницу</translation>
    </message>
    <message>
        <source>the page cannot be written: %1</source>
        <translation>страницу нельзя записать: %1</translation>
    </message>
    <message>
        <source>its folder cannot be made</source>
        <translation>её папку нельзя создать</translation>
    </message>
    <message>
        <source>page written to %1</source>
        <translation>страница записана в %1</translation>
    </message>
    <message>
        <source>page</source>
        <translation>страница</translation>
    </message>
    <message>
        <source>%1 is a file, but the pages of several question files go into a folder of that name; nothing was written</source>
        <translation>%1 — это файл, а страницы нескольких файлов с вопросами пишутся в папку с таким именем; ничего не записано</translation>
    </message>
    <message>
        <source>a true/false question</source>
        <translation>это вопрос «верно/неверно»</translation>
    </message>
    <message>
        <source>a short-answer question</source>
        <translation>это вопрос с коротким ответом</translation>
    </message>
    <message>
        <source>a matching question</source>
        <translation>это вопрос на соответствие</translation>
    </message>
    <message>
        <source>a numerical question</source>
        <translation>это числовой вопрос</translation>
    </message>
    <message>
        <source>an essay</source>
        <translation>это эссе</translation>
    </message>
    <message>
        <source>a description, which asks nothing</source>
        <translation>это описание, в котором нет вопроса</translation>
    </message>
    <message>
        <source>question %1 is left out: %2, and Tavrelo asks only multiple choice with one right answer</source>
        <translation>вопрос %1 пропущен: %2, а Tavrelo задаёт только вопросы с выбором одного правильного ответа</translation>
    </message>
    <message>
        <source>question %1 is left out: it has no answers</source>
        <translation>вопрос %1 пропущен: в нём нет ответов</translation>
    </message>
    <message>
        <source>question %1 is left out: it has %2 answers, and Tavrelo shows at most four</source>
        <translation>вопрос %1 пропущен: ответов в нём %2, а Tavrelo показывает не больше четырёх</translation>
    </message>
    <message>
        <source>question %1 is left out: it gives part marks for some answers, and Tavrelo counts one answer right and the others wrong</source>
        <translation>вопрос %1 пропущен: за некоторые ответы в нём даётся часть балла, а Tavrelo считает один ответ правильным, остальные неверными</translation>
    </message>
    <message>
        <source>question %1 is left out: %2 of its answers are right, and Tavrelo counts only one</source>
        <translation>вопрос %1 пропущен: в нём правильных ответов %2, а Tavrelo засчитывает только один</translation>
    </message>
    <message>
        <source>question %1 is left out: none of its answers is right</source>
        <translation>вопрос %1 пропущен: среди его ответов нет правильного</translation>
    </message>
    <message>
        <source>question %1 is left out: its title has no closing &quot;::&quot;</source>
        <translation>вопрос %1 пропущен: у его названия нет закрывающего «::»</translation>
    </message>
    <message>
        <source>question %1 is left out: its answers, opened with &quot;{&quot;, are never closed with &quot;}&quot;</source>
        <translation>вопрос %1 пропущен: его ответы открыты скобкой «{», но не закрыты скобкой «}»</translation>
    </message>
    <message>
        <source>question %1 is left out: a second &quot;{&quot; follows its answers; a blank line must part two questions</source>
        <translation>вопрос %1 пропущен: после его ответов снова стоит «{»; вопросы должна разделять пустая строка</translation>
    </message>
    <message>
        <source>question %1 is left out: one of its answers is an image or other media alone, which Tavrelo cannot show</source>
        <translation>вопрос %1 пропущен: один из его ответов — только картинка, звук или видео, а Tavrelo показывает только текст</translation>
    </message>
    <message>
        <source>question %1 is left out: no &quot;ANSWER:&quot; line names its right answer</source>
        <translation>вопрос %1 пропущен: нет строки «ANSWER:» с его правильным ответом</translation>
    </message>
    <message>
        <source>&quot;ANSWER:&quot; line without answers above it is left out</source>
        <translation>строка «ANSWER:» без ответов над ней пропущена</translation>
    </message>
    <message>
        <source>question %1 is left out: its &quot;ANSWER:&quot; line names no answer it has</source>
        <translation>вопрос %1 пропущен: в строке «ANSWER:» указан ответ, которого в нём нет</translation>
    </message>
    <message>
        <source>taken as the header of question %1, though it has %2</source>
        <translation>считается заголовком вопроса %1, хотя в нём %2</translation>
    </message>
    <message>
        <source>question %1 is left out: its answers are lettered %2, not one after another from A) or from а)</source>
        <translation>вопрос %1 пропущен: его ответы обозначены %2, а не по порядку от A) или от а)</translation>
    </message>
    <message>
        <source>the answers of question %1, lettered %2, are written with the Latin letters that Tavrelo takes</source>
        <translation>ответы вопроса %1, обозначенные %2, записаны латинскими буквами, которые понимает Tavrelo</translation>
    </message>
    <message>
        <source>the answers of question %1 are written without the spaces before their letters</source>
        <translation>ответы вопроса %1 записаны без пробелов перед буквами</translation>
    </message>
    <message>
        <source>the &quot;*&quot; followed by spaces in question %1 is taken as the mark of its right answer</source>
        <translation>«*» с пробелами после неё в вопросе %1 считается отметкой правильного ответа</translation>
    </message>
    <message>
        <source>GIFT</source>
        <translation>GIFT</translation>
    </message>
    <message>
        <source>Aiken</source>
        <translation>Aiken</translation>
    </message>
    <message>
        <source>Tavrelo&apos;s question file</source>
        <translation>файл с вопросами Tavrelo</translation>
    </message>
    <message>
        <source>the text line %1 would be taken for answer %2: it is written with a space before it</source>
        <translation>Tavrelo прочтёт строку текста %1 как ответ %2, поэтому перед ней записан пробел</translation>
    </message>
    <message>
        <source>the text line %1 begins with &quot;Ве&quot;, so Tavrelo would drop it or take it for a header: it is written with a space before it</source>
        <translation>строка текста %1 начинается с «Ве»: Tavrelo пропустит её или примет за заголовок, поэтому перед ней записан пробел</translation>
    </message>
    <message>
        <source>question %1 and those after it are left out: Tavrelo loads only the first %2 questions of a file</source>
        <translation>вопрос %1 и следующие за ним пропущены: Tavrelo загружает только первые %2 вопросов файла</translation>
    </message>
    <message>
        <source>the wrong answer %1 ends in &quot;*&quot;, which would mark it right: it is written with a space after it</source>
        <translation>неверный ответ %1 заканчивается на «*», и Tavrelo засчитает его как правильный, поэтому после него записан пробел</translation>
    </message>
    <message>
        <source>question %1 is left out: none of its answers is marked right</source>
        <translation>вопрос %1 пропущен: ни один его ответ не отмечен как правильный</translation>
    </message>
    <message>
        <source>question %1 is left out: its marked answer %2 is never shown, since an answer above it is missing</source>
        <translation>вопрос %1 пропущен: его отмеченный ответ %2 не показывается, потому что одного из ответов выше него нет</translation>
    </message>
    <message>
        <source>question %1 shows an empty button where answer %2 is missing: it is left out</source>
        <translation>в вопросе %1 на месте отсутствующего ответа %2 видна пустая кнопка; в новый файл она не попадёт</translation>
    </message>
    <message>
        <source>answer %1 of question %2 has no text after its letter, and Moodle leaves out an answer without text</source>
        <translation>у ответа %1 вопроса %2 нет текста после буквы, а ответ без текста Moodle отбрасывает</translation>
    </message>
    <message>
        <source>question %1 has one answer alone, and Moodle wants at least two in a multiple choice</source>
        <translation>в вопросе %1 только один ответ, а Moodle требует в вопросе с выбором не меньше двух</translation>
    </message>
    <message>
        <source>question %1 is left out: Aiken wants a question text of two characters or more</source>
        <translation>вопрос %1 пропущен: в формате Aiken текст вопроса должен быть не короче двух знаков</translation>
    </message>
    <message>
        <source>question %1 is left out: in Aiken its text %2 would read as an answer</source>
        <translation>вопрос %1 пропущен: в формате Aiken его текст %2 читается как ответ</translation>
    </message>
    <message>
        <source>question %1 is left out: Aiken has no answer without text</source>
        <translation>вопрос %1 пропущен: в формате Aiken не бывает ответа без текста</translation>
    </message>
    <message numerus="yes">
        <source>the %n lines of question %1&apos;s text are joined into one, since Aiken holds a question on one line</source>
        <translation>
            <numerusform>%n строка текста вопроса %1 соединена в одну: в формате Aiken вопрос занимает одну строку</numerusform>
            <numerusform>%n строки текста вопроса %1 соединены в одну: в формате Aiken вопрос занимает одну строку</numerusform>
            <numerusform>%n строк текста вопроса %1 соединены в одну: в формате Aiken вопрос занимает одну строку</numerusform>
        </translation>
    </message>
    <message>
        <source>feedback is left out: Tavrelo shows none</source>
        <translation>отзывы (feedback) пропущены: Tavrelo их не показывает</translation>
    </message>
    <message numerus="yes">
        <source>feedback is left out, here and in %n more question(s): Tavrelo shows none</source>
        <translation>
            <numerusform>отзывы (feedback) пропущены здесь и ещё в %n вопросе: Tavrelo их не показывает</numerusform>
            <numerusform>отзывы (feedback) пропущены здесь и ещё в %n вопросах: Tavrelo их не показывает</numerusform>
            <numerusform>отзывы (feedback) пропущены здесь и ещё в %n вопросах: Tavrelo их не показывает</numerusform>
        </translation>
    </message>
    <message>
        <source>a negative mark for a wrong answer is left out: Tavrelo counts a wrong answer as wrong, no more</source>
        <translation>штраф за неверный ответ пропущен: Tavrelo просто засчитывает неверный ответ как неверный</translation>
    </message>
    <message numerus="yes">
        <source>negative marks for wrong answers are left out, here and in %n more question(s): Tavrelo counts a wrong answer as wrong, no more</source>
        <translation>
            <numerusform>штрафы за неверные ответы пропущены здесь и ещё в %n вопросе: Tavrelo просто засчитывает неверный ответ как неверный</numerusform>
            <numerusform>штрафы за неверные ответы пропущены здесь и ещё в %n вопросах: Tavrelo просто засчитывает неверный ответ как неверный</numerusform>
            <numerusform>штрафы за неверные ответы пропущены здесь и ещё в %n вопросах: Tavrelo просто засчитывает неверный ответ как неверный</numerusform>
        </translation>
    </message>
    <message>
        <source>question %1 is left out: Tavrelo would read it otherwise than it is written</source>
        <translation>вопрос %1 пропущен: Tavrelo прочтёт его не так, как он записан</translation>
    </message>
    <message>
        <source>the checker says of this line in the copy: %1</source>
        <translation>проверка сообщает об этой строке нового файла: %1</translation>
    </message>
    <message>
        <source>the questions from this line on are left out: Tavrelo loads only the first %1</source>
        <translation>вопросы, начиная с этой строки, пропущены: Tavrelo загружает только первые %1</translation>
    </message>
    <message>
        <source>cannot tell the format: the file holds no question header &quot;Вес вопроса:&quot; of Tavrelo&apos;s, no answers in braces {...} of GIFT and no &quot;ANSWER:&quot; line of Aiken</source>
        <translation>не удаётся определить формат: в файле нет ни заголовка вопроса «Вес вопроса:» (Tavrelo), ни ответов в фигурных скобках {...} (GIFT), ни строки «ANSWER:» (Aiken)</translation>
    </message>
    <message numerus="yes">
        <source>%n question(s) converted into %1</source>
        <translation>
            <numerusform>%n вопрос преобразован в %1</numerusform>
            <numerusform>%n вопроса преобразованы в %1</numerusform>
            <numerusform>%n вопросов преобразовано в %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n left out</source>
        <translation>
            <numerusform>%n пропущен</numerusform>
            <numerusform>%n пропущены</numerusform>
            <numerusform>%n пропущено</numerusform>
        </translation>
    </message>
    <message>
        <source>written to %1</source>
        <translation>записано в %1</translation>
    </message>
    <message>
        <source>The format --convert writes: tavrelo, gift or aiken.</source>
        <translation>Формат, в который преобразует --convert: tavrelo, gift или aiken.</translation>
    </message>
    <message>
        <source>format</source>
        <translation>формат</translation>
    </message>
    <message>
        <source>--convert converts one file at a time, and not with --to-cp1251 or --html</source>
        <translation>--convert преобразует только один файл за раз и не вместе с --to-cp1251 или --html</translation>
    </message>
    <message>
        <source>--format goes with --convert and names tavrelo, gift or aiken</source>
        <translation>--format указывается вместе с --convert и принимает значения tavrelo, gift или aiken</translation>
    </message>
    <message>
        <source>the converted file</source>
        <comment>cannot write ... to</comment>
        <translation>преобразованный файл</translation>
    </message>
    <message>
        <source>looks like answer %1, but Tavrelo shows only answers A) to D), so the line is question text, its &quot;*&quot; too</source>
        <translation>похоже на ответ %1, но Tavrelo показывает только ответы от A) до D), поэтому строка считается текстом вопроса, и знак «*» в ней тоже виден</translation>
    </message>
    <message>
        <source>looks like answer %1, but Tavrelo shows only answers A) to D), so the line is question text</source>
        <translation>похоже на ответ %1, но Tavrelo показывает только ответы от A) до D), поэтому строка считается текстом вопроса</translation>
    </message>
    <message>
        <source>the invisible direction control U+%1 at column %2, which can turn the line round on the page and on screen (&quot;2 - 5 = ?&quot; shows as &quot;? = 5 - 2&quot;)</source>
        <translation>невидимый знак направления письма U+%1 в столбце %2: он может развернуть строку на странице и на экране («2 - 5 = ?» покажется как «? = 5 - 2»)</translation>
    </message>
    <message>
        <source>question %1 has no text: the learner sees its answer buttons under nothing but the question&apos;s number</source>
        <translation>в вопросе %1 нет текста: под номером вопроса ученик увидит одни кнопки ответов</translation>
    </message>
    <message>
        <source>answer %1 has no text: its button shows the letter alone</source>
        <translation>у ответа %1 нет текста: на его кнопке будет одна буква</translation>
    </message>
    <message>
        <source>more lines hold direction controls; they are not listed</source>
        <translation>знаки направления письма есть и в других строках; они не перечисляются</translation>
    </message>
    <message>
        <source>answer line before any question text is left out: %1</source>
        <translation>строка ответа, перед которой нет текста вопроса, пропущена: %1</translation>
    </message>
    <message>
        <source>question %1 is left out: Aiken holds a question&apos;s text on one line, and Moodle takes line %2 for the text of another question</source>
        <translation>вопрос %1 пропущен: в формате Aiken текст вопроса занимает одну строку, и строку %2 Moodle примет за текст другого вопроса</translation>
    </message>
    <message>
        <source>question %1 is left out: it has fewer than two answers, and Moodle takes none such</source>
        <translation>вопрос %1 пропущен: в нём меньше двух ответов, а такой вопрос Moodle не примет</translation>
    </message>
    <message>
        <source>the answers of question %1, lettered %2, are read as its answers in that order</source>
        <translation>ответы вопроса %1, обозначенные %2, прочитаны как его ответы в этом порядке</translation>
    </message>
    <message>
        <source>the answers of question %1 are read as answers, though spaces stand before their letters</source>
        <translation>ответы вопроса %1 прочитаны как ответы, хотя перед их буквами стоят пробелы</translation>
    </message>
    <message>
        <source>question %1 is left out: it has one answer alone, and Moodle takes no Aiken question with fewer than two</source>
        <translation>вопрос %1 пропущен: в нём только один ответ, а Moodle не примет вопрос Aiken, в котором ответов меньше двух</translation>
    </message>
    <message>
        <source>nothing in the file reads as a question, so nothing is converted</source>
        <translation>в файле нет ничего, что читалось бы как вопрос, поэтому преобразовывать нечего</translation>
    </message>
    <message>
        <source>question %1 is left out: its right answer has no text, and Moodle leaves out an answer without text</source>
        <translation>вопрос %1 пропущен: у его правильного ответа нет текста, а ответ без текста Moodle отбрасывает</translation>
    </message>
    <message>
        <source>an answer without text is left out, as Moodle leaves it out</source>
        <translation>ответ без текста пропущен: Moodle его тоже отбрасывает</translation>
    </message>
    <message>
        <source>question %1 holds an image, a sound, a video or a link, which is left out: Tavrelo shows text alone</source>
        <translation>в вопросе %1 есть картинка, звук, видео или ссылка: они пропущены, потому что Tavrelo показывает только текст</translation>
    </message>
    <message>
        <source>question %1 has a superscript or subscript that plain text has no sign for: it is written after &quot;^&quot; or &quot;_&quot;, as in &quot;2^x&quot;</source>
        <translation>в вопросе %1 есть верхний или нижний индекс, для которого в обычном тексте нет знака: он записан после «^» или «_», например «2^x»</translation>
    </message>
    <message>
        <source>out</source>
        <comment>the file --convert writes</comment>
        <translation>результат</translation>
    </message>
    <message>
        <source>questions %1 to %2 are left out: Aiken holds a question&apos;s text on one line, and Moodle takes each of these lines for a question of its own</source>
        <translation>вопросы с %1 по %2 пропущены: в формате Aiken текст вопроса занимает одну строку, и каждую из этих строк Moodle примет за отдельный вопрос</translation>
    </message>
    <message>
        <source>page %1 of %2</source>
        <translation>стр. %1 из %2</translation>
    </message>
    <message>
        <source>Variant %1</source>
        <translation>Вариант %1</translation>
    </message>
    <message>
        <source>in print:</source>
        <translation>в печати:</translation>
    </message>
    <message>
        <source>this question takes about %1 lines, more than one A4 sheet holds (about %2): it will be split across sheets</source>
        <translation>вопрос занимает около %1 строк, больше, чем вмещает один лист A4 (около %2): в печати он будет разделён между листами</translation>
    </message>
    <message>
        <source>Answer key, variant %1</source>
        <translation>Ключ ответов, вариант %1</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Фамилия, имя:</translation>
    </message>
    <message>
        <source>Class:</source>
        <translation>Класс:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Дата:</translation>
    </message>
    <message>
        <source>Each variant starts on a new sheet, with its own answer key.</source>
        <translation>Каждый вариант начинается с нового листа, у каждого свой ключ ответов.</translation>
    </message>
    <message>
        <source>with several question files, --html names the folder their pages go into, but %1 is the name of a page: name a folder, such as pages, and each file&apos;s page goes into it named after the file; nothing was written</source>
        <translation>для нескольких файлов с вопросами --html называет папку для их страниц, а %1 — имя страницы: назовите папку, например pages, и страница каждого файла ляжет в неё под именем файла; ничего не записано</translation>
    </message>
    <message>
        <source>With --html, put &lt;n&gt; variants of the quiz for a class on the page (2 to 10), each on new sheets with its own answer key: every question once, the questions and their answers in an order drawn from the file&apos;s content, so the same file always gives the same variants; the answers lettered A) to D) anew, an answer that speaks of the others (&quot;все ответы верны&quot;, &quot;A и B&quot;) kept in its place. The findings then stay in the report.</source>
        <translation>Вместе с --html поместить на страницу &lt;n&gt; вариантов теста для класса (от 2 до 10), каждый с нового листа и со своим ключом ответов: каждый вопрос по разу, вопросы и ответы в порядке, который задаёт содержимое файла, так что один и тот же файл всегда даёт одни и те же варианты; ответы заново помечены буквами от A) до D), а ответ, который говорит о других («все ответы верны», «A и B»), остаётся на своём месте. Замечания проверки тогда остаются только в отчёте.</translation>
    </message>
    <message>
        <source>n</source>
        <translation>n</translation>
    </message>
    <message>
        <source>--html needs the name of the page, or of a folder for the pages; nothing was written</source>
        <translation>после --html нужно имя страницы или папки для страниц; ничего не записано</translation>
    </message>
    <message>
        <source>--variants goes with --html and takes a number from %1 to %2</source>
        <translation>--variants задаётся вместе с --html и принимает число от %1 до %2</translation>
    </message>
    <message>
        <source>the document is larger than %1 MB, more than a test needs</source>
        <translation>документ больше %1 МБ — больше, чем нужно тесту</translation>
    </message>
    <message>
        <source>the file is broken or cut short: its zip directory cannot be read</source>
        <translation>файл повреждён или обрезан: его оглавление zip не читается</translation>
    </message>
    <message>
        <source>the file holds %1 zip entries, more than the %2 a document is read with</source>
        <translation>в файле %1 элементов zip, больше %2, с которыми читается документ</translation>
    </message>
    <message>
        <source>%1 in the document cannot be read: %2</source>
        <translation>часть документа %1 не читается: %2</translation>
    </message>
    <message>
        <source>it would unpack to %1 MB, more than the %2 MB a part is read with</source>
        <translation>она распаковалась бы в %1 МБ, больше %2 МБ, с которыми читается часть</translation>
    </message>
    <message>
        <source>it would unpack to %1 times its packed size, as a zip bomb does</source>
        <translation>она распаковалась бы в %1 раз больше своего сжатого размера, как zip-бомба</translation>
    </message>
    <message>
        <source>the document&apos;s parts together would unpack to more than %1 MB</source>
        <translation>части документа вместе распаковались бы больше чем в %1 МБ</translation>
    </message>
    <message>
        <source>it is encrypted</source>
        <translation>она зашифрована</translation>
    </message>
    <message>
        <source>the file is broken or cut short</source>
        <translation>файл повреждён или обрезан</translation>
    </message>
    <message>
        <source>it unpacks to more than the zip&apos;s directory says, as a zip bomb does</source>
        <translation>она распаковывается в больше, чем сказано в оглавлении zip, как zip-бомба</translation>
    </message>
    <message>
        <source>it is packed in a way other than deflate (method %1)</source>
        <translation>она сжата не методом deflate (метод %1)</translation>
    </message>
    <message>
        <source>it declares a DTD, which no office program writes</source>
        <translation>в ней объявлен DTD, а офисные программы его не пишут</translation>
    </message>
    <message>
        <source>%1 in the document is not well-formed XML (line %2): %3</source>
        <translation>часть документа %1 — не правильный XML (строка %2): %3</translation>
    </message>
    <message>
        <source>an image is left out: Tavrelo shows text alone</source>
        <translation>рисунок пропущен: Tavrelo показывает только текст</translation>
    </message>
    <message>
        <source>a drawing or chart is left out: Tavrelo shows text alone</source>
        <translation>рисунок из фигур или диаграмма пропущены: Tavrelo показывает только текст</translation>
    </message>
    <message>
        <source>a text box is left out with its text: Tavrelo shows the text of paragraphs alone</source>
        <translation>надпись (текстовое поле) пропущена вместе с текстом: Tavrelo показывает только текст абзацев</translation>
    </message>
    <message>
        <source>a footnote is left out: Tavrelo shows none</source>
        <translation>сноска пропущена: Tavrelo их не показывает</translation>
    </message>
    <message>
        <source>a formula is left out: Tavrelo shows text alone</source>
        <translation>формула пропущена: Tavrelo показывает только текст</translation>
    </message>
    <message>
        <source>a formula is kept as its plain text, %1: check that it reads right</source>
        <translation>формула оставлена простым текстом, %1: проверьте, что она читается верно</translation>
    </message>
    <message>
        <source>this paragraph between questions is left out: it is no question, and no answers follow it</source>
        <translation>этот абзац между вопросами пропущен: это не вопрос, и за ним нет ответов</translation>
    </message>
    <message>
        <source>the key names question %1, which the document does not hold</source>
        <translation>в ключе назван вопрос %1, которого в документе нет</translation>
    </message>
    <message>
        <source>the key gives question %1 the answer %2, which it does not have</source>
        <translation>ключ даёт вопросу %1 ответ %2, которого у него нет</translation>
    </message>
    <message>
        <source>this looks like a key of answers, but it holds no pair of a question&apos;s number and an answer&apos;s letter, as &quot;1 – б&quot;</source>
        <translation>это похоже на ключ ответов, но в нём нет ни одной пары из номера вопроса и буквы ответа, как «1 – б»</translation>
    </message>
    <message>
        <source>the &quot;*&quot; or &quot;+&quot;</source>
        <translation>«*» или «+»</translation>
    </message>
    <message>
        <source>the formatting</source>
        <translation>оформление</translation>
    </message>
    <message>
        <source>the key</source>
        <translation>ключ</translation>
    </message>
    <message>
        <source>%1 answers of question %2 are set apart by bold, underline, highlight or colour, so none is taken as right</source>
        <translation>у вопроса %2 выделено полужирным, подчёркиванием, фоном или цветом ответов: %1, поэтому ни один не принят за правильный</translation>
    </message>
    <message>
        <source>%1 marks %2</source>
        <comment>the key marks б)</comment>
        <translation>%1 отмечает %2</translation>
    </message>
    <message>
        <source>the marks of question %1 disagree (%2), so none is taken</source>
        <translation>отметки вопроса %1 расходятся (%2), поэтому ни одна не принята</translation>
    </message>
    <message>
        <source>open it in Word or LibreOffice and save it as a Word document (.docx) or an OpenDocument text (.odt)</source>
        <translation>откройте его в Word или LibreOffice и сохраните как документ Word (.docx) или текст OpenDocument (.odt)</translation>
    </message>
    <message>
        <source>this is a Word 97-2003 document (.doc), a password-protected one or another older Office file, which the checker cannot read: %1</source>
        <translation>это документ Word 97-2003 (.doc), защищённый паролем документ или другой старый файл Office, которые проверка не читает: %1</translation>
    </message>
    <message>
        <source>this is an RTF document, which the checker cannot read: %1</source>
        <translation>это документ RTF, который проверка не читает: %1</translation>
    </message>
    <message>
        <source>this is an OpenDocument file, but no text document (it is %1): %2</source>
        <translation>это файл OpenDocument, но не текстовый документ (это %1): %2</translation>
    </message>
    <message>
        <source>this is a zip file, but no Word or Writer document: %1</source>
        <translation>это файл zip, но не документ Word или Writer: %1</translation>
    </message>
    <message>
        <source>Convert FILE into &lt;out&gt;: Tavrelo&apos;s question file, GIFT or Aiken, as --format says or else as &lt;out&gt;&apos;s name does (.gift is GIFT, any other Tavrelo&apos;s). FILE&apos;s format is told by its content: Tavrelo&apos;s when a line begins with &quot;Вес вопроса:&quot; (answers lettered A) to D), or а) to г) in Russian order, or with Cyrillic look-alikes), Aiken when an &quot;ANSWER: X&quot; line follows its lettered answers, GIFT when it holds answers in braces {...}, a ::title:: or $CATEGORY:. A Word document (.docx) or a LibreOffice Writer one (.odt) is read by its paragraphs: a numbered or plain question, then its lettered or numbered answers, as typed or as the lists show them; the right one marked by &quot;*&quot; or &quot;+&quot;, set apart by bold, underline, highlight or colour, or named in a key at the end (&quot;Ответы: 1 – б, 2 – а&quot;). Its notes name paragraphs, counted from 1 through the document, empty ones and those in tables&apos; cells included. Only questions with one right answer among at most four are converted; every other question, and every change, is noted at its line. Nothing is written when no question could be converted.</source>
        <translation>Преобразовать ФАЙЛ в файл &lt;результат&gt;: файл с вопросами Tavrelo, GIFT или Aiken — как указано в --format, а без него по имени файла &lt;результат&gt; (.gift — GIFT, любое другое — Tavrelo). Формат ФАЙЛА определяется по содержимому: Tavrelo, если строка начинается с «Вес вопроса:» (ответы обозначены A) — D), или а) — г) по русскому алфавиту, или похожими русскими буквами); Aiken, если после обозначенных буквами ответов идёт строка «ANSWER: X»; GIFT, если в нём есть ответы в фигурных скобках {...}, ::название:: или $CATEGORY:. Документ Word (.docx) или LibreOffice Writer (.odt) читается по абзацам: нумерованный или простой вопрос, за ним его ответы с буквами или номерами — набранными вручную или такими, как их показывают списки; правильный отмечен «*» или «+», выделен полужирным, подчёркиванием, фоном или цветом или назван в ключе в конце («Ответы: 1 – б, 2 – а»). Сообщения о нём называют абзацы, считая с 1 по всему документу, включая пустые и абзацы в ячейках таблиц. Преобразуются только вопросы с одним правильным ответом из не более чем четырёх; о каждом другом вопросе и о каждом изменении сообщается у его строки. Если не удалось преобразовать ни одного вопроса, ничего не записывается.</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>это папка</translation>
    </message>
    <message>
        <source>it is a device</source>
        <translation>это устройство</translation>
    </message>
    <message>
        <source>it is a pipe</source>
        <translation>это канал (pipe)</translation>
    </message>
    <message>
        <source>it is a socket</source>
        <translation>это сокет</translation>
    </message>
    <message>
        <source>Windows keeps that name for a device</source>
        <translation>Windows отводит это имя устройству</translation>
    </message>
    <message>
        <source>it is no regular file</source>
        <translation>это не обычный файл</translation>
    </message>
    <message>
        <source>that file is there, and tavrelo-check did not make it or it was changed since: name another file, or add --replace to replace it</source>
        <translation>такой файл уже есть, и его сделала не tavrelo-check или его с тех пор изменили: назовите другой файл или добавьте --replace, чтобы заменить его</translation>
    </message>
    <message>
        <source>cannot write %1 to %2: %3; nothing was written</source>
        <translation>нельзя записать %1 в %2: %3; ничего не записано</translation>
    </message>
    <message>
        <source>Reads Tavrelo question files exactly as Tavrelo does and tells, line by line, what the learner will meet.

A file is read as UTF-8 or UTF-16 when it begins with a byte-order mark that says so, as UTF-8 when the whole file is well-formed UTF-8, and as Windows-1251 otherwise.

Exit status: 0 when no error or warning was found, 1 when one was, 2 when a file cannot be read.

The checker never writes over a file it reads, nor two files to one name, however the names are spelt, nor to a folder, a device or a pipe; and it replaces a file that is there only when tavrelo-check made it and it is unchanged since, or with --replace. Otherwise the run stops with status 2 before anything is written.</source>
        <translation>Читает файлы с вопросами точно так же, как программа Tavrelo, и по строкам сообщает, что увидит ученик.

Файл читается в UTF-8 или UTF-16, если он начинается с метки порядка байтов (BOM) этой кодировки; в UTF-8, если весь файл записан в правильном UTF-8; иначе в Windows-1251.

Код завершения: 0 — ошибок и предупреждений нет, 1 — они есть, 2 — файл не удаётся прочитать.

Проверка никогда не записывает поверх файла, который она читает, не пишет два файла под одним именем, как бы ни были записаны имена, и не пишет в папку, устройство или канал; а уже существующий файл заменяет, только если его сделала tavrelo-check и он с тех пор не изменён, или с ключом --replace. Иначе запуск завершается с кодом 2, ничего не записав.</translation>
    </message>
    <message>
        <source>Replace a file that is there already with what is written, even one that tavrelo-check did not make or that was changed since, such as an Aiken file, which has no room for the mark by which tavrelo-check knows its own files. Without it, only the checker&apos;s own unchanged files are replaced.</source>
        <translation>Заменять уже существующий файл записываемым, даже если его сделала не tavrelo-check или его с тех пор изменили, например файл Aiken, в котором нет места для метки, по которой tavrelo-check узнаёт свои файлы. Без этого ключа заменяются только неизменённые файлы самой проверки.</translation>
    </message>
    <message>
        <source>its folder may not be written</source>
        <translation>в его папку писать нельзя</translation>
    </message>
    <message>
        <source>it may not be written</source>
        <translation>его нельзя изменять</translation>
    </message>
    <message>
        <source>Write the quiz of FILE to the page &lt;page&gt; as well, as the learner will meet it, with the findings at their lines, to read in a browser and print. With several FILEs, or when &lt;page&gt; is a folder, each page goes into the folder &lt;page&gt;, named after its file (data.txt gives data.html). Only a page that tavrelo-check made is written over, unless --replace is given. Started from Explorer, the checker writes a page beside each file and opens it.</source>
        <translation>Записать также тест из ФАЙЛА на страницу &lt;страница&gt; — таким, каким его увидит ученик, с сообщениями проверки у их строк, — чтобы читать в браузере и печатать. Если ФАЙЛОВ несколько или &lt;страница&gt; — папка, каждая страница пишется в эту папку и называется по своему файлу (data.txt даёт data.html). Перезаписывается только страница, сделанная tavrelo-check, если не указан --replace. При запуске из Проводника страница пишется рядом с каждым файлом и открывается в браузере.</translation>
    </message>
    <message>
        <source>cannot write %1 to %2, since %3 goes into a folder of that name (%4): name two different places; nothing was written</source>
        <translation>нельзя записать %1 в %2: в папку с тем же именем надо записать %3 (%4); укажите два разных места; ничего не записано</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Использование: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[параметры]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Параметры:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Аргументы:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Показать справку по параметрам командной строки.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Показать справку, включая параметры Qt.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Показать номер версии.</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Неизвестный параметр «%1».</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Неизвестные параметры: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>После «%1» не указано значение.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Лишнее значение после «%1».</translation>
    </message>
</context>
</TS>
