<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en">
<context>
    <name>CaseKeeping</name>
    <message>
        <source>Stop keeping cases between runs and forget the kept ones?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forget all saved cases, here and for the next runs?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CaseMemory</name>
    <message>
        <source>Cases are kept for this run only: %1.</source>
        <extracomment>A notice; %1 is why, in English as standard error has it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The kept cases could not be deleted: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The saved cases could not be read; cases are kept for this run only.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The saved cases could not be forgotten: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The saved cases could not all be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The saved cases could not all be read; the file is kept as %1.</source>
        <extracomment>%1 is a file name, as &quot;cases.json.damaged-20260101-120000&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The kept cases were written by a newer version of Trivane; cases are kept for this run only.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CaseReading</name>
    <message>
        <source>A–ground</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B–ground</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C–ground</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A–B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B–C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C–A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A–B–ground</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B–C–ground</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C–A–ground</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A–B–C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Looks like an %1 fault</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Looks like a %1 fault</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A and B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B and C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C and A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A, B and C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ground: 3|I0| is %1 % of |Ia| + |Ib| + |Ic|, above 10 %.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No ground: 3|I0| is %1 % of |Ia| + |Ib| + |Ic|, at most 10 %.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sector: the angle of I0/I2 is %1, in the sector of phase %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I2 against I1: the angle of I2/I1 is %1, %2 in phase %3&apos;s reference: within ±90°, a single-phase fault.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I2 against I1: the angle of I2/I1 is %1, %2 in phase %3&apos;s reference: beyond ±90°, a two-phase-to-ground fault.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I2 against I1: the angle of I2/I1 is %1, nearest the %2 centre (%3).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I2 against I1: the angle of I2/I1 is %1, nearer a single-phase centre (0°, ±120°).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The current: carried by %1 (|Ia| %2, |Ib| %3, |Ic| %4).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” is not a vector group: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it starts with Y, YN, D, Z or ZN.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the first winding is followed by y, yn, d, z or zn.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a delta winding has no neutral.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the clock number, 0 to 11, follows the windings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the clock number is 0 to 11.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yy, Dd, Zz, Dz and Zd take even clock numbers; Yd, Dy, Yz and Zy odd ones.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nothing follows the clock number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slot %1 holds no case.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slot %1&apos;s case does not convert.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No superimposed set: this case is currents and slot %1 holds voltages.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No superimposed set: this case is voltages and slot %1 holds currents.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No current: every phase is within the resolution of the computation.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot tell: the change is small against the load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot tell: zero sequence only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No verdict: a three-phase fault and plain load look alike; choose the pre-fault case</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot tell: the change is balanced, but not all three phases carry it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot tell: I1 or I2 is too small for its angle to say anything</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot tell: there is no ground current, but I2 against I1 points at one phase; a phase-to-phase fault beyond a delta-star transformer looks like this (currents about 1 : 2 : 1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot tell: the angles say %1, the magnitudes say %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing is converted: convert a case in the form to read it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The phasors are voltages.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The phasors are currents.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What the phasors are is not said.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Relay quantities</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No ratios: %1 is 0.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Angle of %1/%2: %3, angle of %4/%1: %5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line to line: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Superimposed set: this case less slot %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Both cases must share one angle reference: one record, whole cycles apart.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fault reading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only currents are read for a fault.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the pre-fault load is not removed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Through %1, IEC clock number %2: the other winding, per unit of the ratio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The zero sequence does not pass this transformer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delta %1</source>
        <extracomment>A row of the superimposed set in the results table; %1 is A, B, C, X0, X1 or X2.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other winding %1</source>
        <extracomment>A row of the transformer&apos;s other winding in the results table; %1 is A, B, C, X0, X1 or X2.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fault</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CaseReport</name>
    <message>
        <source>ABC Polar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Magnitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Angle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ABC Rectangular</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Real</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imaginary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>012 Polar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>012 Rectangular</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The case as typed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The four groups</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trivane case report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A note for the report (optional, one line):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Report As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CellPaste</name>
    <message numerus="yes">
        <source>%n rows</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n columns</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and %2 did not fit the group</source>
        <extracomment>A notice after a paste; %1 is &quot;2 rows&quot;, %2 is &quot;1 column&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 did not fit the group</source>
        <extracomment>A notice after a paste; %1 is &quot;2 rows&quot; or &quot;1 column&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DiagramOutputs</name>
    <message>
        <source>PNG image (*.png)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trivane phasor diagrams</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diagrams are saved as PNG, SVG or PDF: %1 names none of them.</source>
        <extracomment>%1 is the file&apos;s path.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Diagrams As</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Not a number</source>
        <extracomment>Why a field&apos;s entry is refused: its tooltip, and what a screen reader hears of it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beyond the largest number the program holds, about 3.4E+38</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The results of these entries are too large to show</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ABC Polar</source>
        <extracomment>A group&apos;s frame heading, 169 pixels wide at the smallest zoom: about 20 characters.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phase A magnitude</source>
        <extracomment>Fields&apos; names for screen readers, not shown: any length.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phase A angle in degrees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phase B magnitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phase B angle in degrees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phase C magnitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phase C angle in degrees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Magnitude</source>
        <extracomment>Column headings in fixed labels about 65 pixels wide (Angle and Real: 41 to 49 pixels): keep them as short as the English.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Angle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ABC Rectangular</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phase A real part</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phase A imaginary part</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phase B real part</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phase B imaginary part</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phase C real part</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phase C imaginary part</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Real</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imaginary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>012 Polar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sequence 0 magnitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sequence 0 angle in degrees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sequence 1 magnitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sequence 1 angle in degrees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sequence 2 magnitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sequence 2 angle in degrees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>012 Rectangular</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sequence 0 real part</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sequence 0 imaginary part</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sequence 1 real part</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sequence 1 imaginary part</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sequence 2 real part</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sequence 2 imaginary part</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CONVERT</source>
        <extracomment>The caption of each group&apos;s button, 137 pixels wide: about 14 capitals.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert ABC polar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert ABC rectangular</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert 012 polar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert 012 rectangular</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear Screen</source>
        <extracomment>A button 97 by 49 pixels: two short lines at most.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memory slot 1</source>
        <extracomment>The memory buttons&apos; names for screen readers, not shown.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memory slot 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memory slot 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memory slot 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memory slot 5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memory slot 6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memory slot 7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memory slot 8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memory slot 9</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memory slot 10</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click Option Button to View a Case Autosaved in Wraparound Memory</source>
        <extracomment>Wrapped, centred text in a box 89 pixels wide and about seven lines high.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Positive Sequence</source>
        <extracomment>The diagrams&apos; captions, centred over them, 97 to 129 pixels wide: one line.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Negative Sequence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zero Sequence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note - the lengths of phasors in the plots are scaled so that the longest of A, B, C has 1pu radius</source>
        <extracomment>One line under the diagrams, 713 pixels wide.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trivane, symmetrical components calculator</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FormActions</name>
    <message>
        <source>Copy Results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Results As…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy Diagrams</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Diagrams As…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Diagrams…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Report As…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Report…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Reading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter Line-to-Line Voltages…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep Cases Between Runs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forget All Cases</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FormHistory</name>
    <message>
        <source>Convert</source>
        <extracomment>An undo step, named in the menu as &quot;Undo %1&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear Screen</source>
        <extracomment>An undo step, named in the menu as &quot;Undo %1&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recall</source>
        <extracomment>An undo step, named in the menu as &quot;Undo %1&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Typing</source>
        <extracomment>An undo step, named in the menu as &quot;Undo %1&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste</source>
        <extracomment>An undo step, named in the menu as &quot;Undo %1&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ResultsTable</name>
    <message>
        <source>Phasor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Magnitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Angle (degrees)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Real part</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imaginary part</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no ratio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>|V2|/|V1| (%)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>|V0|/|V1| (%)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phase order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the number settings could not be set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the workbook could not be started</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No results to save: convert a case first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Results As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Excel workbooks (*.xlsx)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SaveFile</name>
    <message>
        <source>Could not write %1: %2</source>
        <extracomment>%1 is the file&apos;s path, %2 why it failed, as in &quot;the disk is full&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file would be too large</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder cannot be written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file could not be written whole</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScreenReaderText</name>
    <message>
        <source>%1 %2 at %3</source>
        <extracomment>A phasor of a saved case, as &quot;A 7.25 at 0°&quot;: %1 its label, %2 its magnitude, %3 its angle.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No unbalance ratio: the positive sequence is zero.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unbalance |V2|/|V1| %1 %, |V0|/|V1| %2 %.</source>
        <extracomment>%1 and %2 are percentages.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The set turns A-C-B: its phases rotate the other way, or two of them are swapped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>|V2| and |V1| are equal within the precision held: the phase order cannot be told from them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <extracomment>A phasor as &quot;1 at −120°&quot;: %1 its magnitude, %2 its angle.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ABC polar</source>
        <extracomment>A group&apos;s name inside a sentence, as in &quot;Converted the ABC polar entries.&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ABC rectangular</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>012 polar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>012 rectangular</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing is drawn yet: enter a case and press CONVERT.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing is drawn: the entries could not be converted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing is drawn: no phase is longer than 1E-06.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Four phasor diagrams at one scale: the outer circle stands for %1. Phases: A %2, B %3, C %4. Positive sequence %5, with B and C a third of a turn behind and ahead. Negative sequence %6, with B and C a third of a turn ahead and behind. Zero sequence %7.</source>
        <extracomment>%1 is the scale&apos;s magnitude; %2 to %7 are phasors as &quot;1 at −120°&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Converted the %1 entries.</source>
        <extracomment>Said after a conversion; %1 is a group&apos;s name, as &quot;ABC polar&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not converted. %1: %2.</source>
        <extracomment>Said after a refused conversion; %1 is a field&apos;s name, %2 why it is refused.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Converts the %1 entries into the three other forms and draws them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sets every entry to zero and converts the empty case</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Below the entry groups four phasor diagrams: phases A (black), B (red) and C (blue), then the positive, negative and zero sequence components, all at one scale on which the longest of A, B and C reaches the outer circle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phasor diagrams</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fault reading: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Empty: no case saved yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1; the newest case</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>form::LineToLineDialog</name>
    <message>
        <source>The magnitude of %1 is not a number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The angle of %1 is not a number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The triangle does not close: Vab + Vbc + Vca leaves %1, more than 1 % of its longest side.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These magnitudes cannot form a triangle: no side may be longer than the other two together.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>|V2|/|V1| = %1 %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>|V2|/|V1|: no ratio, V1 is 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>u2 = %1 %, from the magnitudes alone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>u2: none for three zeros</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V0 is shown as 0 because line-to-line values cannot give it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>magnitudes only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter Line-to-Line Voltages…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Magnitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Angle (degrees)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Magnitude of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Angle of %1 in degrees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the magnitudes of Vab, Vbc and Vca.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter Vab, Vbc and Vca as magnitude and angle.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>form::ReadingRoom</name>
    <message>
        <source>Quantity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose none, or slot 1–10.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slot %1 holds no case: the pre-fault case stays as it was.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The vector group stays as it was.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No superimposed set: choose the pre-fault case.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put into the Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter Line-to-Line Voltages</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>form::ReadingWindow</name>
    <message>
        <source>Put into the Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trivane Reading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>voltages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>currents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not said</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>slot %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What the phasors are:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pre-fault case: none, or slot 1–10</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vector group: none, or an IEC vector group such as Dyn11, YNyn0, Yd1 or Dy5</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
