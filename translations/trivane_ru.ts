<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="en">
<context>
    <name>CaseKeeping</name>
    <message>
        <source>Stop keeping cases between runs and forget the kept ones?</source>
        <translation>Больше не сохранять случаи между запусками и забыть сохранённые?</translation>
    </message>
    <message>
        <source>Forget all saved cases, here and for the next runs?</source>
        <translation>Забыть все сохранённые случаи, сейчас и для следующих запусков?</translation>
    </message>
</context>
<context>
    <name>CaseMemory</name>
    <message>
        <source>Cases are kept for this run only: %1.</source>
        <extracomment>A notice; %1 is why, in English as standard error has it.</extracomment>
        <translation>Случаи сохраняются только до конца этого запуска: %1.</translation>
    </message>
    <message>
        <source>The kept cases could not be deleted: %1.</source>
        <translation>Не удалось удалить сохранённые случаи: %1.</translation>
    </message>
    <message>
        <source>The saved cases could not be read; cases are kept for this run only.</source>
        <translation>Не удалось прочитать сохранённые случаи; случаи сохраняются только до конца этого запуска.</translation>
    </message>
    <message>
        <source>The saved cases could not be forgotten: %1.</source>
        <translation>Не удалось забыть сохранённые случаи: %1.</translation>
    </message>
    <message>
        <source>The saved cases could not all be read.</source>
        <translation>Не все сохранённые случаи удалось прочитать.</translation>
    </message>
    <message>
        <source>The saved cases could not all be read; the file is kept as %1.</source>
        <extracomment>%1 is a file name, as &quot;cases.json.damaged-20260101-120000&quot;.</extracomment>
        <translation>Не все сохранённые случаи удалось прочитать; файл сохранён как %1.</translation>
    </message>
    <message>
        <source>The kept cases were written by a newer version of Trivane; cases are kept for this run only.</source>
        <translation>Сохранённые случаи записаны более новой версией Trivane; случаи сохраняются только до конца этого запуска.</translation>
    </message>
</context>
<context>
    <name>CaseReading</name>
    <message>
        <source>A–ground</source>
        <translation>A–земля</translation>
    </message>
    <message>
        <source>B–ground</source>
        <translation>B–земля</translation>
    </message>
    <message>
        <source>C–ground</source>
        <translation>C–земля</translation>
    </message>
    <message>
        <source>A–B</source>
        <translation>A–B</translation>
    </message>
    <message>
        <source>B–C</source>
        <translation>B–C</translation>
    </message>
    <message>
        <source>C–A</source>
        <translation>C–A</translation>
    </message>
    <message>
        <source>A–B–ground</source>
        <translation>A–B–земля</translation>
    </message>
    <message>
        <source>B–C–ground</source>
        <translation>B–C–земля</translation>
    </message>
    <message>
        <source>C–A–ground</source>
        <translation>C–A–земля</translation>
    </message>
    <message>
        <source>A–B–C</source>
        <translation>A–B–C</translation>
    </message>
    <message>
        <source>Looks like an %1 fault</source>
        <translation>Похоже на повреждение %1</translation>
    </message>
    <message>
        <source>Looks like a %1 fault</source>
        <translation>Похоже на повреждение %1</translation>
    </message>
    <message>
        <source>A and B</source>
        <translation>A и B</translation>
    </message>
    <message>
        <source>B and C</source>
        <translation>B и C</translation>
    </message>
    <message>
        <source>C and A</source>
        <translation>C и A</translation>
    </message>
    <message>
        <source>A, B and C</source>
        <translation>A, B и C</translation>
    </message>
    <message>
        <source>Ground: 3|I0| is %1 % of |Ia| + |Ib| + |Ic|, above 10 %.</source>
        <translation>Земля: 3|I0| составляет %1 % от |Ia| + |Ib| + |Ic|, больше 10 %.</translation>
    </message>
    <message>
        <source>No ground: 3|I0| is %1 % of |Ia| + |Ib| + |Ic|, at most 10 %.</source>
        <translation>Без земли: 3|I0| составляет %1 % от |Ia| + |Ib| + |Ic|, не больше 10 %.</translation>
    </message>
    <message>
        <source>Sector: the angle of I0/I2 is %1, in the sector of phase %2.</source>
        <translation>Сектор: угол I0/I2 равен %1, это сектор фазы %2.</translation>
    </message>
    <message>
        <source>I2 against I1: the angle of I2/I1 is %1, %2 in phase %3&apos;s reference: within ±90°, a single-phase fault.</source>
        <translation>I2 относительно I1: угол I2/I1 равен %1, %2 относительно фазы %3: в пределах ±90°, однофазное повреждение.</translation>
    </message>
    <message>
        <source>I2 against I1: the angle of I2/I1 is %1, %2 in phase %3&apos;s reference: beyond ±90°, a two-phase-to-ground fault.</source>
        <translation>I2 относительно I1: угол I2/I1 равен %1, %2 относительно фазы %3: за пределами ±90°, двухфазное повреждение на землю.</translation>
    </message>
    <message>
        <source>I2 against I1: the angle of I2/I1 is %1, nearest the %2 centre (%3).</source>
        <translation>I2 относительно I1: угол I2/I1 равен %1, ближе всего к центру %2 (%3).</translation>
    </message>
    <message>
        <source>I2 against I1: the angle of I2/I1 is %1, nearer a single-phase centre (0°, ±120°).</source>
        <translation>I2 относительно I1: угол I2/I1 равен %1, ближе к центру однофазного повреждения (0°, ±120°).</translation>
    </message>
    <message>
        <source>The current: carried by %1 (|Ia| %2, |Ib| %3, |Ic| %4).</source>
        <translation>Ток: по фазам %1 (|Ia| %2, |Ib| %3, |Ic| %4).</translation>
    </message>
    <message>
        <source>“%1” is not a vector group: </source>
        <translation>«%1» — не группа соединения: </translation>
    </message>
    <message>
        <source>it starts with Y, YN, D, Z or ZN.</source>
        <translation>она начинается с Y, YN, D, Z или ZN.</translation>
    </message>
    <message>
        <source>the first winding is followed by y, yn, d, z or zn.</source>
        <translation>за первой обмоткой следует y, yn, d, z или zn.</translation>
    </message>
    <message>
        <source>a delta winding has no neutral.</source>
        <translation>у обмотки, соединённой в треугольник, нет нейтрали.</translation>
    </message>
    <message>
        <source>the clock number, 0 to 11, follows the windings.</source>
        <translation>за обмотками следует номер группы, от 0 до 11.</translation>
    </message>
    <message>
        <source>the clock number is 0 to 11.</source>
        <translation>номер группы — от 0 до 11.</translation>
    </message>
    <message>
        <source>Yy, Dd, Zz, Dz and Zd take even clock numbers; Yd, Dy, Yz and Zy odd ones.</source>
        <translation>у Yy, Dd, Zz, Dz и Zd номер группы чётный, у Yd, Dy, Yz и Zy — нечётный.</translation>
    </message>
    <message>
        <source>nothing follows the clock number.</source>
        <translation>после номера группы ничего не пишется.</translation>
    </message>
    <message>
        <source>Slot %1 holds no case.</source>
        <translation>В ячейке %1 нет случая.</translation>
    </message>
    <message>
        <source>Slot %1&apos;s case does not convert.</source>
        <translation>Случай из ячейки %1 не преобразуется.</translation>
    </message>
    <message>
        <source>No superimposed set: this case is currents and slot %1 holds voltages.</source>
        <translation>Аварийных составляющих нет: в этом случае токи, а в ячейке %1 — напряжения.</translation>
    </message>
    <message>
        <source>No superimposed set: this case is voltages and slot %1 holds currents.</source>
        <translation>Аварийных составляющих нет: в этом случае напряжения, а в ячейке %1 — токи.</translation>
    </message>
    <message>
        <source>No current: every phase is within the resolution of the computation.</source>
        <translation>Тока нет: во всех фазах он в пределах разрешения расчёта.</translation>
    </message>
    <message>
        <source>cannot tell: the change is small against the load</source>
        <translation>не определить: изменение мало по сравнению с нагрузкой</translation>
    </message>
    <message>
        <source>cannot tell: zero sequence only</source>
        <translation>не определить: только нулевая последовательность</translation>
    </message>
    <message>
        <source>No verdict: a three-phase fault and plain load look alike; choose the pre-fault case</source>
        <translation>Вывода нет: трёхфазное повреждение и обычная нагрузка выглядят одинаково; выберите доаварийный случай</translation>
    </message>
    <message>
        <source>cannot tell: the change is balanced, but not all three phases carry it</source>
        <translation>не определить: изменение симметрично, но есть не во всех трёх фазах</translation>
    </message>
    <message>
        <source>cannot tell: I1 or I2 is too small for its angle to say anything</source>
        <translation>не определить: I1 или I2 слишком мал, и его угол ни о чём не говорит</translation>
    </message>
    <message>
        <source>cannot tell: there is no ground current, but I2 against I1 points at one phase; a phase-to-phase fault beyond a delta-star transformer looks like this (currents about 1 : 2 : 1)</source>
        <translation>не определить: тока в земле нет, но I2 относительно I1 указывает на одну фазу; так выглядит междуфазное повреждение за трансформатором треугольник–звезда (токи примерно 1 : 2 : 1)</translation>
    </message>
    <message>
        <source>cannot tell: the angles say %1, the magnitudes say %2</source>
        <translation>не определить: по углам — %1, по модулям — %2</translation>
    </message>
    <message>
        <source>Nothing is converted: convert a case in the form to read it.</source>
        <translation>Ничего не преобразовано: преобразуйте случай в форме, чтобы его проанализировать.</translation>
    </message>
    <message>
        <source>The phasors are voltages.</source>
        <translation>Векторы — напряжения.</translation>
    </message>
    <message>
        <source>The phasors are currents.</source>
        <translation>Векторы — токи.</translation>
    </message>
    <message>
        <source>What the phasors are is not said.</source>
        <translation>Не указано, что представляют векторы.</translation>
    </message>
    <message>
        <source>Relay quantities</source>
        <translation>Величины для реле</translation>
    </message>
    <message>
        <source>No ratios: %1 is 0.</source>
        <translation>Отношений нет: %1 равен 0.</translation>
    </message>
    <message>
        <source>none</source>
        <translation>нет</translation>
    </message>
    <message>
        <source>Angle of %1/%2: %3, angle of %4/%1: %5</source>
        <translation>Угол %1/%2: %3, угол %4/%1: %5</translation>
    </message>
    <message>
        <source>Line to line: %1</source>
        <translation>Линейные напряжения: %1</translation>
    </message>
    <message>
        <source>Superimposed set: this case less slot %1</source>
        <translation>Аварийные составляющие: этот случай минус ячейка %1</translation>
    </message>
    <message>
        <source>no change</source>
        <translation>изменений нет</translation>
    </message>
    <message>
        <source>Both cases must share one angle reference: one record, whole cycles apart.</source>
        <translation>У обоих случаев должен быть общий отсчёт углов: одна запись, между ними целое число периодов.</translation>
    </message>
    <message>
        <source>Fault reading</source>
        <translation>Анализ повреждения</translation>
    </message>
    <message>
        <source>Only currents are read for a fault.</source>
        <translation>Повреждение анализируется только по токам.</translation>
    </message>
    <message>
        <source>the pre-fault load is not removed</source>
        <translation>доаварийная нагрузка не вычтена</translation>
    </message>
    <message>
        <source>Through %1, IEC clock number %2: the other winding, per unit of the ratio</source>
        <translation>Через %1, номер группы по МЭК %2: другая обмотка, в долях коэффициента трансформации</translation>
    </message>
    <message>
        <source>The zero sequence does not pass this transformer.</source>
        <translation>Нулевая последовательность не проходит через этот трансформатор.</translation>
    </message>
    <message>
        <source>Delta %1</source>
        <extracomment>A row of the superimposed set in the results table; %1 is A, B, C, X0, X1 or X2.</extracomment>
        <translation>Приращение %1</translation>
    </message>
    <message>
        <source>Other winding %1</source>
        <extracomment>A row of the transformer&apos;s other winding in the results table; %1 is A, B, C, X0, X1 or X2.</extracomment>
        <translation>Другая обмотка, %1</translation>
    </message>
    <message>
        <source>Fault</source>
        <translation>Повреждение</translation>
    </message>
</context>
<context>
    <name>CaseReport</name>
    <message>
        <source>ABC Polar</source>
        <translation>ABC, полярная форма</translation>
    </message>
    <message>
        <source>Magnitude</source>
        <translation>Модуль</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Угол</translation>
    </message>
    <message>
        <source>ABC Rectangular</source>
        <translation>ABC, алгебраическая форма</translation>
    </message>
    <message>
        <source>Real</source>
        <translation>Действительная часть</translation>
    </message>
    <message>
        <source>Imaginary</source>
        <translation>Мнимая часть</translation>
    </message>
    <message>
        <source>012 Polar</source>
        <translation>012, полярная форма</translation>
    </message>
    <message>
        <source>012 Rectangular</source>
        <translation>012, алгебраическая форма</translation>
    </message>
    <message>
        <source>Note:</source>
        <translation>Примечание:</translation>
    </message>
    <message>
        <source>The case as typed</source>
        <translation>Случай в том виде, как он введён</translation>
    </message>
    <message>
        <source>The four groups</source>
        <translation>Четыре группы</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Анализ</translation>
    </message>
    <message>
        <source>Trivane case report</source>
        <translation>Отчёт Trivane по случаю</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Отчёт</translation>
    </message>
    <message>
        <source>A note for the report (optional, one line):</source>
        <translation>Примечание к отчёту (необязательно, одна строка):</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Примечание</translation>
    </message>
    <message>
        <source>Save Report As</source>
        <translation>Сохранить отчёт как</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Документ PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>CellPaste</name>
    <message numerus="yes">
        <source>%n rows</source>
        <translation>
            <numerusform>%n строка</numerusform>
            <numerusform>%n строки</numerusform>
            <numerusform>%n строк</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n columns</source>
        <translation>
            <numerusform>%n столбец</numerusform>
            <numerusform>%n столбца</numerusform>
            <numerusform>%n столбцов</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and %2 did not fit the group</source>
        <extracomment>A notice after a paste; %1 is &quot;2 rows&quot;, %2 is &quot;1 column&quot;.</extracomment>
        <translation>В группу не поместились: %1 и %2</translation>
    </message>
    <message>
        <source>%1 did not fit the group</source>
        <extracomment>A notice after a paste; %1 is &quot;2 rows&quot; or &quot;1 column&quot;.</extracomment>
        <translation>В группу не поместилось: %1</translation>
    </message>
</context>
<context>
    <name>DiagramOutputs</name>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Изображение PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>Рисунок SVG (*.svg)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Документ PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Trivane phasor diagrams</source>
        <translation>Векторные диаграммы Trivane</translation>
    </message>
    <message>
        <source>Diagrams are saved as PNG, SVG or PDF: %1 names none of them.</source>
        <extracomment>%1 is the file&apos;s path.</extracomment>
        <translation>Диаграммы сохраняются в PNG, SVG или PDF: %1 не указывает ни один из этих форматов.</translation>
    </message>
    <message>
        <source>Save Diagrams As</source>
        <translation>Сохранить диаграммы как</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Not a number</source>
        <extracomment>Why a field&apos;s entry is refused: its tooltip, and what a screen reader hears of it.</extracomment>
        <translation>Не число</translation>
    </message>
    <message>
        <source>Beyond the largest number the program holds, about 3.4E+38</source>
        <translation>Больше наибольшего числа, которое хранит программа, около 3.4E+38</translation>
    </message>
    <message>
        <source>The results of these entries are too large to show</source>
        <translation>Результаты для этих значений слишком велики для отображения</translation>
    </message>
    <message>
        <source>ABC Polar</source>
        <extracomment>A group&apos;s frame heading, 169 pixels wide at the smallest zoom: about 20 characters.</extracomment>
        <translation>ABC, полярная</translation>
    </message>
    <message>
        <source>Phase A magnitude</source>
        <extracomment>Fields&apos; names for screen readers, not shown: any length.</extracomment>
        <translation>Модуль фазы A</translation>
    </message>
    <message>
        <source>Phase A angle in degrees</source>
        <translation>Угол фазы A в градусах</translation>
    </message>
    <message>
        <source>Phase B magnitude</source>
        <translation>Модуль фазы B</translation>
    </message>
    <message>
        <source>Phase B angle in degrees</source>
        <translation>Угол фазы B в градусах</translation>
    </message>
    <message>
        <source>Phase C magnitude</source>
        <translation>Модуль фазы C</translation>
    </message>
    <message>
        <source>Phase C angle in degrees</source>
        <translation>Угол фазы C в градусах</translation>
    </message>
    <message>
        <source>Magnitude</source>
        <extracomment>Column headings in fixed labels about 65 pixels wide (Angle and Real: 41 to 49 pixels): keep them as short as the English.</extracomment>
        <translation>Модуль</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Угол</translation>
    </message>
    <message>
        <source>ABC Rectangular</source>
        <translation>ABC, алгебраическая</translation>
    </message>
    <message>
        <source>Phase A real part</source>
        <translation>Действительная часть фазы A</translation>
    </message>
    <message>
        <source>Phase A imaginary part</source>
        <translation>Мнимая часть фазы A</translation>
    </message>
    <message>
        <source>Phase B real part</source>
        <translation>Действительная часть фазы B</translation>
    </message>
    <message>
        <source>Phase B imaginary part</source>
        <translation>Мнимая часть фазы B</translation>
    </message>
    <message>
        <source>Phase C real part</source>
        <translation>Действительная часть фазы C</translation>
    </message>
    <message>
        <source>Phase C imaginary part</source>
        <translation>Мнимая часть фазы C</translation>
    </message>
    <message>
        <source>Real</source>
        <translation>Дейст.</translation>
    </message>
    <message>
        <source>Imaginary</source>
        <translation>Мнимая</translation>
    </message>
    <message>
        <source>012 Polar</source>
        <translation>012, полярная</translation>
    </message>
    <message>
        <source>Sequence 0 magnitude</source>
        <translation>Модуль последовательности 0</translation>
    </message>
    <message>
        <source>Sequence 0 angle in degrees</source>
        <translation>Угол последовательности 0 в градусах</translation>
    </message>
    <message>
        <source>Sequence 1 magnitude</source>
        <translation>Модуль последовательности 1</translation>
    </message>
    <message>
        <source>Sequence 1 angle in degrees</source>
        <translation>Угол последовательности 1 в градусах</translation>
    </message>
    <message>
        <source>Sequence 2 magnitude</source>
        <translation>Модуль последовательности 2</translation>
    </message>
    <message>
        <source>Sequence 2 angle in degrees</source>
        <translation>Угол последовательности 2 в градусах</translation>
    </message>
    <message>
        <source>012 Rectangular</source>
        <translation>012, алгебраическая</translation>
    </message>
    <message>
        <source>Sequence 0 real part</source>
        <translation>Действительная часть последовательности 0</translation>
    </message>
    <message>
        <source>Sequence 0 imaginary part</source>
        <translation>Мнимая часть последовательности 0</translation>
    </message>
    <message>
        <source>Sequence 1 real part</source>
        <translation>Действительная часть последовательности 1</translation>
    </message>
    <message>
        <source>Sequence 1 imaginary part</source>
        <translation>Мнимая часть последовательности 1</translation>
    </message>
    <message>
        <source>Sequence 2 real part</source>
        <translation>Действительная часть последовательности 2</translation>
    </message>
    <message>
        <source>Sequence 2 imaginary part</source>
        <translation>Мнимая часть последовательности 2</translation>
    </message>
    <message>
        <source>CONVERT</source>
        <extracomment>The caption of each group&apos;s button, 137 pixels wide: about 14 capitals.</extracomment>
        <translation>ПРЕОБРАЗОВАТЬ</translation>
    </message>
    <message>
        <source>Convert ABC polar</source>
        <translation>Преобразовать ABC, полярная форма</translation>
    </message>
    <message>
        <source>Convert ABC rectangular</source>
        <translation>Преобразовать ABC, алгебраическая форма</translation>
    </message>
    <message>
        <source>Convert 012 polar</source>
        <translation>Преобразовать 012, полярная форма</translation>
    </message>
    <message>
        <source>Convert 012 rectangular</source>
        <translation>Преобразовать 012, алгебраическая форма</translation>
    </message>
    <message>
        <source>Clear Screen</source>
        <extracomment>A button 97 by 49 pixels: two short lines at most.</extracomment>
        <translation>Очистить
экран</translation>
    </message>
    <message>
        <source>Clear screen</source>
        <translation>Очистить экран</translation>
    </message>
    <message>
        <source>Memory slot 1</source>
        <extracomment>The memory buttons&apos; names for screen readers, not shown.</extracomment>
        <translation>Ячейка памяти 1</translation>
    </message>
    <message>
        <source>Memory slot 2</source>
        <translation>Ячейка памяти 2</translation>
    </message>
    <message>
        <source>Memory slot 3</source>
        <translation>Ячейка памяти 3</translation>
    </message>
    <message>
        <source>Memory slot 4</source>
        <translation>Ячейка памяти 4</translation>
    </message>
    <message>
        <source>Memory slot 5</source>
        <translation>Ячейка памяти 5</translation>
    </message>
    <message>
        <source>Memory slot 6</source>
        <translation>Ячейка памяти 6</translation>
    </message>
    <message>
        <source>Memory slot 7</source>
        <translation>Ячейка памяти 7</translation>
    </message>
    <message>
        <source>Memory slot 8</source>
        <translation>Ячейка памяти 8</translation>
    </message>
    <message>
        <source>Memory slot 9</source>
        <translation>Ячейка памяти 9</translation>
    </message>
    <message>
        <source>Memory slot 10</source>
        <translation>Ячейка памяти 10</translation>
    </message>
    <message>
        <source>Click Option Button to View a Case Autosaved in Wraparound Memory</source>
        <extracomment>Wrapped, centred text in a box 89 pixels wide and about seven lines high.</extracomment>
        <translation>Нажмите кнопку, чтобы увидеть случай из кольцевой памяти</translation>
    </message>
    <message>
        <source>Positive Sequence</source>
        <extracomment>The diagrams&apos; captions, centred over them, 97 to 129 pixels wide: one line.</extracomment>
        <translation>Прямая посл.</translation>
    </message>
    <message>
        <source>Negative Sequence</source>
        <translation>Обратная посл.</translation>
    </message>
    <message>
        <source>Zero Sequence</source>
        <translation>Нулевая посл.</translation>
    </message>
    <message>
        <source>Note - the lengths of phasors in the plots are scaled so that the longest of A, B, C has 1pu radius</source>
        <extracomment>One line under the diagrams, 713 pixels wide.</extracomment>
        <translation>Примечание: векторы на диаграммах масштабированы так, что наибольший из A, B, C имеет радиус 1 о.е.</translation>
    </message>
    <message>
        <source>Trivane, symmetrical components calculator</source>
        <translation>Trivane, калькулятор симметричных составляющих</translation>
    </message>
</context>
<context>
    <name>FormActions</name>
    <message>
        <source>Copy Results</source>
        <translation>Копировать результаты</translation>
    </message>
    <message>
        <source>Save Results As…</source>
        <translation>Сохранить результаты как…</translation>
    </message>
    <message>
        <source>Copy Diagrams</source>
        <translation>Копировать диаграммы</translation>
    </message>
    <message>
        <source>Save Diagrams As…</source>
        <translation>Сохранить диаграммы как…</translation>
    </message>
    <message>
        <source>Print Diagrams…</source>
        <translation>Печать диаграмм…</translation>
    </message>
    <message>
        <source>Save Report As…</source>
        <translation>Сохранить отчёт как…</translation>
    </message>
    <message>
        <source>Print Report…</source>
        <translation>Печать отчёта…</translation>
    </message>
    <message>
        <source>Show Reading</source>
        <translation>Показать анализ</translation>
    </message>
    <message>
        <source>Enter Line-to-Line Voltages…</source>
        <translation>Ввести линейные напряжения…</translation>
    </message>
    <message>
        <source>Keep Cases Between Runs</source>
        <translation>Сохранять случаи между запусками</translation>
    </message>
    <message>
        <source>Forget All Cases</source>
        <translation>Забыть все случаи</translation>
    </message>
</context>
<context>
    <name>FormHistory</name>
    <message>
        <source>Convert</source>
        <extracomment>An undo step, named in the menu as &quot;Undo %1&quot;.</extracomment>
        <translation>преобразование</translation>
    </message>
    <message>
        <source>Clear Screen</source>
        <extracomment>An undo step, named in the menu as &quot;Undo %1&quot;.</extracomment>
        <translation>очистку экрана</translation>
    </message>
    <message>
        <source>Recall</source>
        <extracomment>An undo step, named in the menu as &quot;Undo %1&quot;.</extracomment>
        <translation>вызов из памяти</translation>
    </message>
    <message>
        <source>Typing</source>
        <extracomment>An undo step, named in the menu as &quot;Undo %1&quot;.</extracomment>
        <translation>ввод</translation>
    </message>
    <message>
        <source>Paste</source>
        <extracomment>An undo step, named in the menu as &quot;Undo %1&quot;.</extracomment>
        <translation>вставку</translation>
    </message>
</context>
<context>
    <name>ResultsTable</name>
    <message>
        <source>Phasor</source>
        <translation>Вектор</translation>
    </message>
    <message>
        <source>Magnitude</source>
        <translation>Модуль</translation>
    </message>
    <message>
        <source>Angle (degrees)</source>
        <translation>Угол (градусы)</translation>
    </message>
    <message>
        <source>Real part</source>
        <translation>Действительная часть</translation>
    </message>
    <message>
        <source>Imaginary part</source>
        <translation>Мнимая часть</translation>
    </message>
    <message>
        <source>no ratio</source>
        <translation>нет отношения</translation>
    </message>
    <message>
        <source>|V2|/|V1| (%)</source>
        <translation>|V2|/|V1| (%)</translation>
    </message>
    <message>
        <source>|V0|/|V1| (%)</source>
        <translation>|V0|/|V1| (%)</translation>
    </message>
    <message>
        <source>Phase order</source>
        <translation>Порядок чередования фаз</translation>
    </message>
    <message>
        <source>the number settings could not be set</source>
        <translation>не удалось задать настройки чисел</translation>
    </message>
    <message>
        <source>the workbook could not be started</source>
        <translation>не удалось создать книгу</translation>
    </message>
    <message>
        <source>No results to save: convert a case first.</source>
        <translation>Нечего сохранять: сначала преобразуйте случай.</translation>
    </message>
    <message>
        <source>Save Results As</source>
        <translation>Сохранить результаты как</translation>
    </message>
    <message>
        <source>Excel workbooks (*.xlsx)</source>
        <translation>Книги Excel (*.xlsx)</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Файлы CSV (*.csv)</translation>
    </message>
</context>
<context>
    <name>SaveFile</name>
    <message>
        <source>Could not write %1: %2</source>
        <extracomment>%1 is the file&apos;s path, %2 why it failed, as in &quot;the disk is full&quot;.</extracomment>
        <translation>Не удалось записать %1: %2</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>диск заполнен</translation>
    </message>
    <message>
        <source>the file would be too large</source>
        <translation>файл получился бы слишком большим</translation>
    </message>
    <message>
        <source>the folder cannot be written</source>
        <translation>запись в папку невозможна</translation>
    </message>
    <message>
        <source>the file could not be written whole</source>
        <translation>файл не удалось записать целиком</translation>
    </message>
</context>
<context>
    <name>ScreenReaderText</name>
    <message>
        <source>%1 %2 at %3</source>
        <extracomment>A phasor of a saved case, as &quot;A 7.25 at 0°&quot;: %1 its label, %2 its magnitude, %3 its angle.</extracomment>
        <translation>%1 %2 под углом %3</translation>
    </message>
    <message>
        <source>No unbalance ratio: the positive sequence is zero.</source>
        <translation>Несимметрию не вычислить: прямая последовательность равна нулю.</translation>
    </message>
    <message>
        <source>Unbalance |V2|/|V1| %1 %, |V0|/|V1| %2 %.</source>
        <extracomment>%1 and %2 are percentages.</extracomment>
        <translation>Несимметрия |V2|/|V1| %1 %, |V0|/|V1| %2 %.</translation>
    </message>
    <message>
        <source>The set turns A-C-B: its phases rotate the other way, or two of them are swapped.</source>
        <translation>Порядок чередования фаз A-C-B: фазы вращаются в обратную сторону или две из них переставлены.</translation>
    </message>
    <message>
        <source>|V2| and |V1| are equal within the precision held: the phase order cannot be told from them.</source>
        <translation>|V2| и |V1| равны с хранимой точностью: порядок чередования фаз по ним не определить.</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <extracomment>A phasor as &quot;1 at −120°&quot;: %1 its magnitude, %2 its angle.</extracomment>
        <translation>%1 под углом %2</translation>
    </message>
    <message>
        <source>ABC polar</source>
        <extracomment>A group&apos;s name inside a sentence, as in &quot;Converted the ABC polar entries.&quot;</extracomment>
        <translation>ABC, полярная форма</translation>
    </message>
    <message>
        <source>ABC rectangular</source>
        <translation>ABC, алгебраическая форма</translation>
    </message>
    <message>
        <source>012 polar</source>
        <translation>012, полярная форма</translation>
    </message>
    <message>
        <source>012 rectangular</source>
        <translation>012, алгебраическая форма</translation>
    </message>
    <message>
        <source>Nothing is drawn yet: enter a case and press CONVERT.</source>
        <translation>Пока ничего не построено: введите случай и нажмите ПРЕОБРАЗОВАТЬ.</translation>
    </message>
    <message>
        <source>Nothing is drawn: the entries could not be converted.</source>
        <translation>Ничего не построено: значения не удалось преобразовать.</translation>
    </message>
    <message>
        <source>Nothing is drawn: no phase is longer than 1E-06.</source>
        <translation>Ничего не построено: ни одна фаза не длиннее 1E-06.</translation>
    </message>
    <message>
        <source>Four phasor diagrams at one scale: the outer circle stands for %1. Phases: A %2, B %3, C %4. Positive sequence %5, with B and C a third of a turn behind and ahead. Negative sequence %6, with B and C a third of a turn ahead and behind. Zero sequence %7.</source>
        <extracomment>%1 is the scale&apos;s magnitude; %2 to %7 are phasors as &quot;1 at −120°&quot;.</extracomment>
        <translation>Четыре векторные диаграммы в одном масштабе: внешняя окружность соответствует %1. Фазы: A %2, B %3, C %4. Прямая последовательность %5, B и C отстают и опережают на треть оборота. Обратная последовательность %6, B и C опережают и отстают на треть оборота. Нулевая последовательность %7.</translation>
    </message>
    <message>
        <source>Converted the %1 entries.</source>
        <extracomment>Said after a conversion; %1 is a group&apos;s name, as &quot;ABC polar&quot;.</extracomment>
        <translation>Преобразованы значения группы «%1».</translation>
    </message>
    <message>
        <source>Not converted. %1: %2.</source>
        <extracomment>Said after a refused conversion; %1 is a field&apos;s name, %2 why it is refused.</extracomment>
        <translation>Не преобразовано. %1: %2.</translation>
    </message>
    <message>
        <source>Converts the %1 entries into the three other forms and draws them</source>
        <translation>Преобразует значения группы «%1» в три другие формы и строит диаграммы</translation>
    </message>
    <message>
        <source>Sets every entry to zero and converts the empty case</source>
        <translation>Обнуляет все значения и преобразует пустой случай</translation>
    </message>
    <message>
        <source>Below the entry groups four phasor diagrams: phases A (black), B (red) and C (blue), then the positive, negative and zero sequence components, all at one scale on which the longest of A, B and C reaches the outer circle</source>
        <translation>Под группами ввода четыре векторные диаграммы: фазы A (чёрный), B (красный) и C (синий), затем составляющие прямой, обратной и нулевой последовательности, все в одном масштабе, при котором наибольший из A, B и C достигает внешней окружности</translation>
    </message>
    <message>
        <source>Phasor diagrams</source>
        <translation>Векторные диаграммы</translation>
    </message>
    <message>
        <source>Fault reading: %1.</source>
        <translation>Анализ повреждения: %1.</translation>
    </message>
    <message>
        <source>Empty: no case saved yet</source>
        <translation>Пусто: случай ещё не сохранён</translation>
    </message>
    <message>
        <source>%1; the newest case</source>
        <translation>%1; самый новый случай</translation>
    </message>
</context>
<context>
    <name>form::LineToLineDialog</name>
    <message>
        <source>The magnitude of %1 is not a number.</source>
        <translation>Модуль %1 — не число.</translation>
    </message>
    <message>
        <source>The angle of %1 is not a number.</source>
        <translation>Угол %1 — не число.</translation>
    </message>
    <message>
        <source>The triangle does not close: Vab + Vbc + Vca leaves %1, more than 1 % of its longest side.</source>
        <translation>Треугольник не замыкается: Vab + Vbc + Vca дают %1, больше 1 % его наибольшей стороны.</translation>
    </message>
    <message>
        <source>These magnitudes cannot form a triangle: no side may be longer than the other two together.</source>
        <translation>Из этих модулей не составить треугольник: ни одна сторона не может быть длиннее двух других вместе.</translation>
    </message>
    <message>
        <source>|V2|/|V1| = %1 %</source>
        <translation>|V2|/|V1| = %1 %</translation>
    </message>
    <message>
        <source>|V2|/|V1|: no ratio, V1 is 0</source>
        <translation>|V2|/|V1|: отношения нет, V1 равно 0</translation>
    </message>
    <message>
        <source>u2 = %1 %, from the magnitudes alone</source>
        <translation>u2 = %1 %, только по модулям</translation>
    </message>
    <message>
        <source>u2: none for three zeros</source>
        <translation>u2: нет для трёх нулей</translation>
    </message>
    <message>
        <source>V0 is shown as 0 because line-to-line values cannot give it.</source>
        <translation>V0 показано как 0, потому что по линейным величинам его не найти.</translation>
    </message>
    <message>
        <source>magnitudes only</source>
        <translation>только модули</translation>
    </message>
    <message>
        <source>Enter Line-to-Line Voltages…</source>
        <translation>Ввести линейные напряжения…</translation>
    </message>
    <message>
        <source>Magnitude</source>
        <translation>Модуль</translation>
    </message>
    <message>
        <source>Angle (degrees)</source>
        <translation>Угол (градусы)</translation>
    </message>
    <message>
        <source>Magnitude of %1</source>
        <translation>Модуль %1</translation>
    </message>
    <message>
        <source>Angle of %1 in degrees</source>
        <translation>Угол %1 в градусах</translation>
    </message>
    <message>
        <source>Enter the magnitudes of Vab, Vbc and Vca.</source>
        <translation>Введите модули Vab, Vbc и Vca.</translation>
    </message>
    <message>
        <source>Enter Vab, Vbc and Vca as magnitude and angle.</source>
        <translation>Введите Vab, Vbc и Vca как модуль и угол.</translation>
    </message>
</context>
<context>
    <name>form::ReadingRoom</name>
    <message>
        <source>Quantity</source>
        <translation>выбор величины</translation>
    </message>
    <message>
        <source>Choose none, or slot 1–10.</source>
        <translation>Выберите «нет» или ячейку 1–10.</translation>
    </message>
    <message>
        <source>Slot %1 holds no case: the pre-fault case stays as it was.</source>
        <translation>В ячейке %1 нет случая: доаварийный случай не изменён.</translation>
    </message>
    <message>
        <source>The vector group stays as it was.</source>
        <translation>Группа соединения не изменена.</translation>
    </message>
    <message>
        <source>No superimposed set: choose the pre-fault case.</source>
        <translation>Аварийных составляющих нет: выберите доаварийный случай.</translation>
    </message>
    <message>
        <source>Put into the Form</source>
        <translation>перенос в форму</translation>
    </message>
    <message>
        <source>Enter Line-to-Line Voltages</source>
        <translation>ввод линейных напряжений</translation>
    </message>
</context>
<context>
    <name>form::ReadingWindow</name>
    <message>
        <source>Put into the Form</source>
        <translation>Перенести в форму</translation>
    </message>
    <message>
        <source>Trivane Reading</source>
        <translation>Trivane — анализ</translation>
    </message>
    <message>
        <source>voltages</source>
        <translation>напряжения</translation>
    </message>
    <message>
        <source>currents</source>
        <translation>токи</translation>
    </message>
    <message>
        <source>not said</source>
        <translation>не указано</translation>
    </message>
    <message>
        <source>none</source>
        <translation>нет</translation>
    </message>
    <message>
        <source>slot %1</source>
        <translation>ячейка %1</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Анализ</translation>
    </message>
    <message>
        <source>What the phasors are:</source>
        <translation>Что представляют векторы:</translation>
    </message>
    <message>
        <source>Pre-fault case: none, or slot 1–10</source>
        <translation>Доаварийный случай: нет или ячейка 1–10</translation>
    </message>
    <message>
        <source>Vector group: none, or an IEC vector group such as Dyn11, YNyn0, Yd1 or Dy5</source>
        <translation>Группа соединения: нет или группа по МЭК, например Dyn11, YNyn0, Yd1 или Dy5</translation>
    </message>
</context>
</TS>
