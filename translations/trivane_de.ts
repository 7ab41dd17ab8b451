<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>CaseKeeping</name>
    <message>
        <source>Stop keeping cases between runs and forget the kept ones?</source>
        <translation>Fälle nicht mehr zwischen Sitzungen behalten und die behaltenen vergessen?</translation>
    </message>
    <message>
        <source>Forget all saved cases, here and for the next runs?</source>
        <translation>Alle gespeicherten Fälle vergessen, hier und für die nächsten Sitzungen?</translation>
    </message>
</context>
<context>
    <name>CaseMemory</name>
    <message>
        <source>Cases are kept for this run only: %1.</source>
        <extracomment>A notice; %1 is why, in English as standard error has it.</extracomment>
        <translation>Fälle werden nur für diese Sitzung behalten: %1.</translation>
    </message>
    <message>
        <source>The kept cases could not be deleted: %1.</source>
        <translation>Die behaltenen Fälle konnten nicht gelöscht werden: %1.</translation>
    </message>
    <message>
        <source>The saved cases could not be read; cases are kept for this run only.</source>
        <translation>Die gespeicherten Fälle konnten nicht gelesen werden; Fälle werden nur für diese Sitzung behalten.</translation>
    </message>
    <message>
        <source>The saved cases could not be forgotten: %1.</source>
        <translation>Die gespeicherten Fälle konnten nicht vergessen werden: %1.</translation>
    </message>
    <message>
        <source>The saved cases could not all be read.</source>
        <translation>Nicht alle gespeicherten Fälle konnten gelesen werden.</translation>
    </message>
    <message>
        <source>The saved cases could not all be read; the file is kept as %1.</source>
        <extracomment>%1 is a file name, as &quot;cases.json.damaged-20260101-120000&quot;.</extracomment>
        <translation>Nicht alle gespeicherten Fälle konnten gelesen werden; die Datei bleibt als %1 erhalten.</translation>
    </message>
    <message>
        <source>The kept cases were written by a newer version of Trivane; cases are kept for this run only.</source>
        <translation>Die behaltenen Fälle stammen von einer neueren Version von Trivane; Fälle werden nur für diese Sitzung behalten.</translation>
    </message>
</context>
<context>
    <name>CaseReading</name>
    <message>
        <source>A–ground</source>
        <translation>A–Erde</translation>
    </message>
    <message>
        <source>B–ground</source>
        <translation>B–Erde</translation>
    </message>
    <message>
        <source>C–ground</source>
        <translation>C–Erde</translation>
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
        <translation>A–B–Erde</translation>
    </message>
    <message>
        <source>B–C–ground</source>
        <translation>B–C–Erde</translation>
    </message>
    <message>
        <source>C–A–ground</source>
        <translation>C–A–Erde</translation>
    </message>
    <message>
        <source>A–B–C</source>
        <translation>A–B–C</translation>
    </message>
    <message>
        <source>Looks like an %1 fault</source>
        <translation>Sieht nach einem Fehler %1 aus</translation>
    </message>
    <message>
        <source>Looks like a %1 fault</source>
        <translation>Sieht nach einem Fehler %1 aus</translation>
    </message>
    <message>
        <source>A and B</source>
        <translation>A und B</translation>
    </message>
    <message>
        <source>B and C</source>
        <translation>B und C</translation>
    </message>
    <message>
        <source>C and A</source>
        <translation>C und A</translation>
    </message>
    <message>
        <source>A, B and C</source>
        <translation>A, B und C</translation>
    </message>
    <message>
        <source>Ground: 3|I0| is %1 % of |Ia| + |Ib| + |Ic|, above 10 %.</source>
        <translation>Erde: 3|I0| beträgt %1 % von |Ia| + |Ib| + |Ic|, über 10 %.</translation>
    </message>
    <message>
        <source>No ground: 3|I0| is %1 % of |Ia| + |Ib| + |Ic|, at most 10 %.</source>
        <translation>Keine Erde: 3|I0| beträgt %1 % von |Ia| + |Ib| + |Ic|, höchstens 10 %.</translation>
    </message>
    <message>
        <source>Sector: the angle of I0/I2 is %1, in the sector of phase %2.</source>
        <translation>Sektor: der Winkel von I0/I2 beträgt %1, im Sektor der Phase %2.</translation>
    </message>
    <message>
        <source>I2 against I1: the angle of I2/I1 is %1, %2 in phase %3&apos;s reference: within ±90°, a single-phase fault.</source>
        <translation>I2 gegen I1: der Winkel von I2/I1 beträgt %1, %2 im Bezug der Phase %3: innerhalb ±90°, ein einpoliger Fehler.</translation>
    </message>
    <message>
        <source>I2 against I1: the angle of I2/I1 is %1, %2 in phase %3&apos;s reference: beyond ±90°, a two-phase-to-ground fault.</source>
        <translation>I2 gegen I1: der Winkel von I2/I1 beträgt %1, %2 im Bezug der Phase %3: außerhalb ±90°, ein zweipoliger Fehler mit Erdberührung.</translation>
    </message>
    <message>
        <source>I2 against I1: the angle of I2/I1 is %1, nearest the %2 centre (%3).</source>
        <translation>I2 gegen I1: der Winkel von I2/I1 beträgt %1, am nächsten an der Mitte für %2 (%3).</translation>
    </message>
    <message>
        <source>I2 against I1: the angle of I2/I1 is %1, nearer a single-phase centre (0°, ±120°).</source>
        <translation>I2 gegen I1: der Winkel von I2/I1 beträgt %1, näher an einer Mitte für einpolige Fehler (0°, ±120°).</translation>
    </message>
    <message>
        <source>The current: carried by %1 (|Ia| %2, |Ib| %3, |Ic| %4).</source>
        <translation>Der Strom: fließt in %1 (|Ia| %2, |Ib| %3, |Ic| %4).</translation>
    </message>
    <message>
        <source>“%1” is not a vector group: </source>
        <translation>„%1“ ist keine Schaltgruppe: </translation>
    </message>
    <message>
        <source>it starts with Y, YN, D, Z or ZN.</source>
        <translation>sie beginnt mit Y, YN, D, Z oder ZN.</translation>
    </message>
    <message>
        <source>the first winding is followed by y, yn, d, z or zn.</source>
        <translation>auf die erste Wicklung folgt y, yn, d, z oder zn.</translation>
    </message>
    <message>
        <source>a delta winding has no neutral.</source>
        <translation>eine Dreieckwicklung hat keinen Sternpunkt.</translation>
    </message>
    <message>
        <source>the clock number, 0 to 11, follows the windings.</source>
        <translation>die Kennzahl, 0 bis 11, folgt auf die Wicklungen.</translation>
    </message>
    <message>
        <source>the clock number is 0 to 11.</source>
        <translation>die Kennzahl ist 0 bis 11.</translation>
    </message>
    <message>
        <source>Yy, Dd, Zz, Dz and Zd take even clock numbers; Yd, Dy, Yz and Zy odd ones.</source>
        <translation>Yy, Dd, Zz, Dz und Zd haben gerade Kennzahlen, Yd, Dy, Yz und Zy ungerade.</translation>
    </message>
    <message>
        <source>nothing follows the clock number.</source>
        <translation>auf die Kennzahl folgt nichts.</translation>
    </message>
    <message>
        <source>Slot %1 holds no case.</source>
        <translation>Speicherplatz %1 enthält keinen Fall.</translation>
    </message>
    <message>
        <source>Slot %1&apos;s case does not convert.</source>
        <translation>Der Fall in Speicherplatz %1 lässt sich nicht umrechnen.</translation>
    </message>
    <message>
        <source>No superimposed set: this case is currents and slot %1 holds voltages.</source>
        <translation>Keine überlagerten Größen: dieser Fall enthält Ströme, Speicherplatz %1 Spannungen.</translation>
    </message>
    <message>
        <source>No superimposed set: this case is voltages and slot %1 holds currents.</source>
        <translation>Keine überlagerten Größen: dieser Fall enthält Spannungen, Speicherplatz %1 Ströme.</translation>
    </message>
    <message>
        <source>No current: every phase is within the resolution of the computation.</source>
        <translation>Kein Strom: jede Phase liegt innerhalb der Auflösung der Rechnung.</translation>
    </message>
    <message>
        <source>cannot tell: the change is small against the load</source>
        <translation>nicht bestimmbar: die Änderung ist klein gegenüber der Last</translation>
    </message>
    <message>
        <source>cannot tell: zero sequence only</source>
        <translation>nicht bestimmbar: nur Nullsystem</translation>
    </message>
    <message>
        <source>No verdict: a three-phase fault and plain load look alike; choose the pre-fault case</source>
        <translation>Kein Ergebnis: ein dreipoliger Fehler und reine Last sehen gleich aus; den Fall vor dem Fehler wählen</translation>
    </message>
    <message>
        <source>cannot tell: the change is balanced, but not all three phases carry it</source>
        <translation>nicht bestimmbar: die Änderung ist symmetrisch, tritt aber nicht in allen drei Phasen auf</translation>
    </message>
    <message>
        <source>cannot tell: I1 or I2 is too small for its angle to say anything</source>
        <translation>nicht bestimmbar: I1 oder I2 ist zu klein, als dass sein Winkel etwas aussagt</translation>
    </message>
    <message>
        <source>cannot tell: there is no ground current, but I2 against I1 points at one phase; a phase-to-phase fault beyond a delta-star transformer looks like this (currents about 1 : 2 : 1)</source>
        <translation>nicht bestimmbar: es fließt kein Erdstrom, aber I2 gegen I1 zeigt auf eine Phase; so sieht ein zweipoliger Fehler hinter einem Dreieck-Stern-Transformator aus (Ströme etwa 1 : 2 : 1)</translation>
    </message>
    <message>
        <source>cannot tell: the angles say %1, the magnitudes say %2</source>
        <translation>nicht bestimmbar: die Winkel sagen %1, die Beträge sagen %2</translation>
    </message>
    <message>
        <source>Nothing is converted: convert a case in the form to read it.</source>
        <translation>Nichts umgerechnet: einen Fall im Formular umrechnen, um ihn auszuwerten.</translation>
    </message>
    <message>
        <source>The phasors are voltages.</source>
        <translation>Die Zeiger sind Spannungen.</translation>
    </message>
    <message>
        <source>The phasors are currents.</source>
        <translation>Die Zeiger sind Ströme.</translation>
    </message>
    <message>
        <source>What the phasors are is not said.</source>
        <translation>Die Art der Zeiger ist nicht angegeben.</translation>
    </message>
    <message>
        <source>Relay quantities</source>
        <translation>Größen für das Schutzrelais</translation>
    </message>
    <message>
        <source>No ratios: %1 is 0.</source>
        <translation>Keine Verhältnisse: %1 ist 0.</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keiner</translation>
    </message>
    <message>
        <source>Angle of %1/%2: %3, angle of %4/%1: %5</source>
        <translation>Winkel von %1/%2: %3, Winkel von %4/%1: %5</translation>
    </message>
    <message>
        <source>Line to line: %1</source>
        <translation>Verkettet: %1</translation>
    </message>
    <message>
        <source>Superimposed set: this case less slot %1</source>
        <translation>Überlagerte Größen: dieser Fall minus Speicherplatz %1</translation>
    </message>
    <message>
        <source>no change</source>
        <translation>keine Änderung</translation>
    </message>
    <message>
        <source>Both cases must share one angle reference: one record, whole cycles apart.</source>
        <translation>Beide Fälle brauchen denselben Winkelbezug: aus einer Aufzeichnung, um ganze Perioden versetzt.</translation>
    </message>
    <message>
        <source>Fault reading</source>
        <translation>Fehlerauswertung</translation>
    </message>
    <message>
        <source>Only currents are read for a fault.</source>
        <translation>Nur Ströme werden auf Fehler ausgewertet.</translation>
    </message>
    <message>
        <source>the pre-fault load is not removed</source>
        <translation>die Last vor dem Fehler ist nicht abgezogen</translation>
    </message>
    <message>
        <source>Through %1, IEC clock number %2: the other winding, per unit of the ratio</source>
        <translation>Über %1, IEC-Kennzahl %2: die andere Wicklung, bezogen auf die Übersetzung</translation>
    </message>
    <message>
        <source>The zero sequence does not pass this transformer.</source>
        <translation>Das Nullsystem wird von diesem Transformator nicht übertragen.</translation>
    </message>
    <message>
        <source>Delta %1</source>
        <extracomment>A row of the superimposed set in the results table; %1 is A, B, C, X0, X1 or X2.</extracomment>
        <translation>Delta %1</translation>
    </message>
    <message>
        <source>Other winding %1</source>
        <extracomment>A row of the transformer&apos;s other winding in the results table; %1 is A, B, C, X0, X1 or X2.</extracomment>
        <translation>Andere Wicklung %1</translation>
    </message>
    <message>
        <source>Fault</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>CaseReport</name>
    <message>
        <source>ABC Polar</source>
        <translation>ABC Polarform</translation>
    </message>
    <message>
        <source>Magnitude</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Winkel</translation>
    </message>
    <message>
        <source>ABC Rectangular</source>
        <translation>ABC kartesisch</translation>
    </message>
    <message>
        <source>Real</source>
        <translation>Realteil</translation>
    </message>
    <message>
        <source>Imaginary</source>
        <translation>Imaginärteil</translation>
    </message>
    <message>
        <source>012 Polar</source>
        <translation>012 Polarform</translation>
    </message>
    <message>
        <source>012 Rectangular</source>
        <translation>012 kartesisch</translation>
    </message>
    <message>
        <source>Note:</source>
        <translation>Notiz:</translation>
    </message>
    <message>
        <source>The case as typed</source>
        <translation>Der Fall wie eingegeben</translation>
    </message>
    <message>
        <source>The four groups</source>
        <translation>Die vier Gruppen</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Auswertung</translation>
    </message>
    <message>
        <source>Trivane case report</source>
        <translation>Trivane-Fallbericht</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Bericht</translation>
    </message>
    <message>
        <source>A note for the report (optional, one line):</source>
        <translation>Eine Notiz für den Bericht (optional, eine Zeile):</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Save Report As</source>
        <translation>Bericht speichern unter</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>PDF-Dokument (*.pdf)</translation>
    </message>
</context>
<context>
    <name>CellPaste</name>
    <message numerus="yes">
        <source>%n rows</source>
        <translation>
            <numerusform>%n Zeile</numerusform>
            <numerusform>%n Zeilen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n columns</source>
        <translation>
            <numerusform>%n Spalte</numerusform>
            <numerusform>%n Spalten</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and %2 did not fit the group</source>
        <extracomment>A notice after a paste; %1 is &quot;2 rows&quot;, %2 is &quot;1 column&quot;.</extracomment>
        <translation>Kein Platz in der Gruppe für %1 und %2</translation>
    </message>
    <message>
        <source>%1 did not fit the group</source>
        <extracomment>A notice after a paste; %1 is &quot;2 rows&quot; or &quot;1 column&quot;.</extracomment>
        <translation>Kein Platz in der Gruppe für %1</translation>
    </message>
</context>
<context>
    <name>DiagramOutputs</name>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG-Bild (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>SVG-Zeichnung (*.svg)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>PDF-Dokument (*.pdf)</translation>
    </message>
    <message>
        <source>Trivane phasor diagrams</source>
        <translation>Trivane-Zeigerdiagramme</translation>
    </message>
    <message>
        <source>Diagrams are saved as PNG, SVG or PDF: %1 names none of them.</source>
        <extracomment>%1 is the file&apos;s path.</extracomment>
        <translation>Zeigerdiagramme werden als PNG, SVG oder PDF gespeichert: %1 hat keine dieser Endungen.</translation>
    </message>
    <message>
        <source>Save Diagrams As</source>
        <translation>Zeigerdiagramme speichern unter</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Not a number</source>
        <extracomment>Why a field&apos;s entry is refused: its tooltip, and what a screen reader hears of it.</extracomment>
        <translation>Keine Zahl</translation>
    </message>
    <message>
        <source>Beyond the largest number the program holds, about 3.4E+38</source>
        <translation>Jenseits der größten Zahl, die das Programm fasst, etwa 3.4E+38</translation>
    </message>
    <message>
        <source>The results of these entries are too large to show</source>
        <translation>Die Ergebnisse dieser Eingaben sind zu groß für die Anzeige</translation>
    </message>
    <message>
        <source>ABC Polar</source>
        <extracomment>A group&apos;s frame heading, 169 pixels wide at the smallest zoom: about 20 characters.</extracomment>
        <translation>ABC Polarform</translation>
    </message>
    <message>
        <source>Phase A magnitude</source>
        <extracomment>Fields&apos; names for screen readers, not shown: any length.</extracomment>
        <translation>Betrag Phase A</translation>
    </message>
    <message>
        <source>Phase A angle in degrees</source>
        <translation>Winkel Phase A in Grad</translation>
    </message>
    <message>
        <source>Phase B magnitude</source>
        <translation>Betrag Phase B</translation>
    </message>
    <message>
        <source>Phase B angle in degrees</source>
        <translation>Winkel Phase B in Grad</translation>
    </message>
    <message>
        <source>Phase C magnitude</source>
        <translation>Betrag Phase C</translation>
    </message>
    <message>
        <source>Phase C angle in degrees</source>
        <translation>Winkel Phase C in Grad</translation>
    </message>
    <message>
        <source>Magnitude</source>
        <extracomment>Column headings in fixed labels about 65 pixels wide (Angle and Real: 41 to 49 pixels): keep them as short as the English.</extracomment>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Winkel</translation>
    </message>
    <message>
        <source>ABC Rectangular</source>
        <translation>ABC kartesisch</translation>
    </message>
    <message>
        <source>Phase A real part</source>
        <translation>Realteil Phase A</translation>
    </message>
    <message>
        <source>Phase A imaginary part</source>
        <translation>Imaginärteil Phase A</translation>
    </message>
    <message>
        <source>Phase B real part</source>
        <translation>Realteil Phase B</translation>
    </message>
    <message>
        <source>Phase B imaginary part</source>
        <translation>Imaginärteil Phase B</translation>
    </message>
    <message>
        <source>Phase C real part</source>
        <translation>Realteil Phase C</translation>
    </message>
    <message>
        <source>Phase C imaginary part</source>
        <translation>Imaginärteil Phase C</translation>
    </message>
    <message>
        <source>Real</source>
        <translation>Real</translation>
    </message>
    <message>
        <source>Imaginary</source>
        <translation>Imaginär</translation>
    </message>
    <message>
        <source>012 Polar</source>
        <translation>012 Polarform</translation>
    </message>
    <message>
        <source>Sequence 0 magnitude</source>
        <translation>Betrag Komponente 0</translation>
    </message>
    <message>
        <source>Sequence 0 angle in degrees</source>
        <translation>Winkel Komponente 0 in Grad</translation>
    </message>
    <message>
        <source>Sequence 1 magnitude</source>
        <translation>Betrag Komponente 1</translation>
    </message>
    <message>
        <source>Sequence 1 angle in degrees</source>
        <translation>Winkel Komponente 1 in Grad</translation>
    </message>
    <message>
        <source>Sequence 2 magnitude</source>
        <translation>Betrag Komponente 2</translation>
    </message>
    <message>
        <source>Sequence 2 angle in degrees</source>
        <translation>Winkel Komponente 2 in Grad</translation>
    </message>
    <message>
        <source>012 Rectangular</source>
        <translation>012 kartesisch</translation>
    </message>
    <message>
        <source>Sequence 0 real part</source>
        <translation>Realteil Komponente 0</translation>
    </message>
    <message>
        <source>Sequence 0 imaginary part</source>
        <translation>Imaginärteil Komponente 0</translation>
    </message>
    <message>
        <source>Sequence 1 real part</source>
        <translation>Realteil Komponente 1</translation>
    </message>
    <message>
        <source>Sequence 1 imaginary part</source>
        <translation>Imaginärteil Komponente 1</translation>
    </message>
    <message>
        <source>Sequence 2 real part</source>
        <translation>Realteil Komponente 2</translation>
    </message>
    <message>
        <source>Sequence 2 imaginary part</source>
        <translation>Imaginärteil Komponente 2</translation>
    </message>
    <message>
        <source>CONVERT</source>
        <extracomment>The caption of each group&apos;s button, 137 pixels wide: about 14 capitals.</extracomment>
        <translation>UMRECHNEN</translation>
    </message>
    <message>
        <source>Convert ABC polar</source>
        <translation>ABC Polarform umrechnen</translation>
    </message>
    <message>
        <source>Convert ABC rectangular</source>
        <translation>ABC kartesisch umrechnen</translation>
    </message>
    <message>
        <source>Convert 012 polar</source>
        <translation>012 Polarform umrechnen</translation>
    </message>
    <message>
        <source>Convert 012 rectangular</source>
        <translation>012 kartesisch umrechnen</translation>
    </message>
    <message>
        <source>Clear Screen</source>
        <extracomment>A button 97 by 49 pixels: two short lines at most.</extracomment>
        <translation>Bildschirm
löschen</translation>
    </message>
    <message>
        <source>Clear screen</source>
        <translation>Bildschirm löschen</translation>
    </message>
    <message>
        <source>Memory slot 1</source>
        <extracomment>The memory buttons&apos; names for screen readers, not shown.</extracomment>
        <translation>Speicherplatz 1</translation>
    </message>
    <message>
        <source>Memory slot 2</source>
        <translation>Speicherplatz 2</translation>
    </message>
    <message>
        <source>Memory slot 3</source>
        <translation>Speicherplatz 3</translation>
    </message>
    <message>
        <source>Memory slot 4</source>
        <translation>Speicherplatz 4</translation>
    </message>
    <message>
        <source>Memory slot 5</source>
        <translation>Speicherplatz 5</translation>
    </message>
    <message>
        <source>Memory slot 6</source>
        <translation>Speicherplatz 6</translation>
    </message>
    <message>
        <source>Memory slot 7</source>
        <translation>Speicherplatz 7</translation>
    </message>
    <message>
        <source>Memory slot 8</source>
        <translation>Speicherplatz 8</translation>
    </message>
    <message>
        <source>Memory slot 9</source>
        <translation>Speicherplatz 9</translation>
    </message>
    <message>
        <source>Memory slot 10</source>
        <translation>Speicherplatz 10</translation>
    </message>
    <message>
        <source>Click Option Button to View a Case Autosaved in Wraparound Memory</source>
        <extracomment>Wrapped, centred text in a box 89 pixels wide and about seven lines high.</extracomment>
        <translation>Optionsfeld anklicken, um einen im Ringspeicher gesicherten Fall zu sehen</translation>
    </message>
    <message>
        <source>Positive Sequence</source>
        <extracomment>The diagrams&apos; captions, centred over them, 97 to 129 pixels wide: one line.</extracomment>
        <translation>Mitsystem</translation>
    </message>
    <message>
        <source>Negative Sequence</source>
        <translation>Gegensystem</translation>
    </message>
    <message>
        <source>Zero Sequence</source>
        <translation>Nullsystem</translation>
    </message>
    <message>
        <source>Note - the lengths of phasors in the plots are scaled so that the longest of A, B, C has 1pu radius</source>
        <extracomment>One line under the diagrams, 713 pixels wide.</extracomment>
        <translation>Hinweis - die Zeigerlängen in den Diagrammen sind so skaliert, dass der längste von A, B, C den Radius 1 pu hat</translation>
    </message>
    <message>
        <source>Trivane, symmetrical components calculator</source>
        <translation>Trivane, Rechner für symmetrische Komponenten</translation>
    </message>
</context>
<context>
    <name>FormActions</name>
    <message>
        <source>Copy Results</source>
        <translation>Ergebnisse kopieren</translation>
    </message>
    <message>
        <source>Save Results As…</source>
        <translation>Ergebnisse speichern unter…</translation>
    </message>
    <message>
        <source>Copy Diagrams</source>
        <translation>Zeigerdiagramme kopieren</translation>
    </message>
    <message>
        <source>Save Diagrams As…</source>
        <translation>Zeigerdiagramme speichern unter…</translation>
    </message>
    <message>
        <source>Print Diagrams…</source>
        <translation>Zeigerdiagramme drucken…</translation>
    </message>
    <message>
        <source>Save Report As…</source>
        <translation>Bericht speichern unter…</translation>
    </message>
    <message>
        <source>Print Report…</source>
        <translation>Bericht drucken…</translation>
    </message>
    <message>
        <source>Show Reading</source>
        <translation>Auswertung anzeigen</translation>
    </message>
    <message>
        <source>Enter Line-to-Line Voltages…</source>
        <translation>Verkettete Spannungen eingeben…</translation>
    </message>
    <message>
        <source>Keep Cases Between Runs</source>
        <translation>Fälle zwischen Sitzungen behalten</translation>
    </message>
    <message>
        <source>Forget All Cases</source>
        <translation>Alle Fälle vergessen</translation>
    </message>
</context>
<context>
    <name>FormHistory</name>
    <message>
        <source>Convert</source>
        <extracomment>An undo step, named in the menu as &quot;Undo %1&quot;.</extracomment>
        <translation>Umrechnung</translation>
    </message>
    <message>
        <source>Clear Screen</source>
        <extracomment>An undo step, named in the menu as &quot;Undo %1&quot;.</extracomment>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Recall</source>
        <extracomment>An undo step, named in the menu as &quot;Undo %1&quot;.</extracomment>
        <translation>Abruf</translation>
    </message>
    <message>
        <source>Typing</source>
        <extracomment>An undo step, named in the menu as &quot;Undo %1&quot;.</extracomment>
        <translation>Eingabe</translation>
    </message>
    <message>
        <source>Paste</source>
        <extracomment>An undo step, named in the menu as &quot;Undo %1&quot;.</extracomment>
        <translation>Einfügen</translation>
    </message>
</context>
<context>
    <name>ResultsTable</name>
    <message>
        <source>Phasor</source>
        <translation>Zeiger</translation>
    </message>
    <message>
        <source>Magnitude</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Angle (degrees)</source>
        <translation>Winkel (Grad)</translation>
    </message>
    <message>
        <source>Real part</source>
        <translation>Realteil</translation>
    </message>
    <message>
        <source>Imaginary part</source>
        <translation>Imaginärteil</translation>
    </message>
    <message>
        <source>no ratio</source>
        <translation>kein Verhältnis</translation>
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
        <translation>Phasenfolge</translation>
    </message>
    <message>
        <source>the number settings could not be set</source>
        <translation>die Zahlenformate ließen sich nicht festlegen</translation>
    </message>
    <message>
        <source>the workbook could not be started</source>
        <translation>die Arbeitsmappe ließ sich nicht anlegen</translation>
    </message>
    <message>
        <source>No results to save: convert a case first.</source>
        <translation>Keine Ergebnisse zum Speichern: zuerst einen Fall umrechnen.</translation>
    </message>
    <message>
        <source>Save Results As</source>
        <translation>Ergebnisse speichern unter</translation>
    </message>
    <message>
        <source>Excel workbooks (*.xlsx)</source>
        <translation>Excel-Arbeitsmappen (*.xlsx)</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
</context>
<context>
    <name>SaveFile</name>
    <message>
        <source>Could not write %1: %2</source>
        <extracomment>%1 is the file&apos;s path, %2 why it failed, as in &quot;the disk is full&quot;.</extracomment>
        <translation>%1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>der Datenträger ist voll</translation>
    </message>
    <message>
        <source>the file would be too large</source>
        <translation>die Datei würde zu groß werden</translation>
    </message>
    <message>
        <source>the folder cannot be written</source>
        <translation>in den Ordner kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>the file could not be written whole</source>
        <translation>die Datei konnte nicht vollständig geschrieben werden</translation>
    </message>
</context>
<context>
    <name>ScreenReaderText</name>
    <message>
        <source>%1 %2 at %3</source>
        <extracomment>A phasor of a saved case, as &quot;A 7.25 at 0°&quot;: %1 its label, %2 its magnitude, %3 its angle.</extracomment>
        <translation>%1 %2 mit Winkel %3</translation>
    </message>
    <message>
        <source>No unbalance ratio: the positive sequence is zero.</source>
        <translation>Kein Unsymmetriegrad: das Mitsystem ist null.</translation>
    </message>
    <message>
        <source>Unbalance |V2|/|V1| %1 %, |V0|/|V1| %2 %.</source>
        <extracomment>%1 and %2 are percentages.</extracomment>
        <translation>Unsymmetrie |V2|/|V1| %1 %, |V0|/|V1| %2 %.</translation>
    </message>
    <message>
        <source>The set turns A-C-B: its phases rotate the other way, or two of them are swapped.</source>
        <translation>Die Phasenfolge ist A-C-B: die Phasen drehen andersherum, oder zwei von ihnen sind vertauscht.</translation>
    </message>
    <message>
        <source>|V2| and |V1| are equal within the precision held: the phase order cannot be told from them.</source>
        <translation>|V2| und |V1| sind im Rahmen der gehaltenen Genauigkeit gleich: die Phasenfolge lässt sich daraus nicht bestimmen.</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <extracomment>A phasor as &quot;1 at −120°&quot;: %1 its magnitude, %2 its angle.</extracomment>
        <translation>%1 mit Winkel %2</translation>
    </message>
    <message>
        <source>ABC polar</source>
        <extracomment>A group&apos;s name inside a sentence, as in &quot;Converted the ABC polar entries.&quot;</extracomment>
        <translation>ABC Polarform</translation>
    </message>
    <message>
        <source>ABC rectangular</source>
        <translation>ABC kartesisch</translation>
    </message>
    <message>
        <source>012 polar</source>
        <translation>012 Polarform</translation>
    </message>
    <message>
        <source>012 rectangular</source>
        <translation>012 kartesisch</translation>
    </message>
    <message>
        <source>Nothing is drawn yet: enter a case and press CONVERT.</source>
        <translation>Noch nichts gezeichnet: einen Fall eingeben und UMRECHNEN drücken.</translation>
    </message>
    <message>
        <source>Nothing is drawn: the entries could not be converted.</source>
        <translation>Nichts gezeichnet: die Eingaben ließen sich nicht umrechnen.</translation>
    </message>
    <message>
        <source>Nothing is drawn: no phase is longer than 1E-06.</source>
        <translation>Nichts gezeichnet: keine Phase ist länger als 1E-06.</translation>
    </message>
    <message>
        <source>Four phasor diagrams at one scale: the outer circle stands for %1. Phases: A %2, B %3, C %4. Positive sequence %5, with B and C a third of a turn behind and ahead. Negative sequence %6, with B and C a third of a turn ahead and behind. Zero sequence %7.</source>
        <extracomment>%1 is the scale&apos;s magnitude; %2 to %7 are phasors as &quot;1 at −120°&quot;.</extracomment>
        <translation>Vier Zeigerdiagramme in einem Maßstab: der äußere Kreis steht für %1. Phasen: A %2, B %3, C %4. Mitsystem %5, mit B und C um eine Dritteldrehung nacheilend und voreilend. Gegensystem %6, mit B und C um eine Dritteldrehung voreilend und nacheilend. Nullsystem %7.</translation>
    </message>
    <message>
        <source>Converted the %1 entries.</source>
        <extracomment>Said after a conversion; %1 is a group&apos;s name, as &quot;ABC polar&quot;.</extracomment>
        <translation>Eingaben der Gruppe %1 umgerechnet.</translation>
    </message>
    <message>
        <source>Not converted. %1: %2.</source>
        <extracomment>Said after a refused conversion; %1 is a field&apos;s name, %2 why it is refused.</extracomment>
        <translation>Nicht umgerechnet. %1: %2.</translation>
    </message>
    <message>
        <source>Converts the %1 entries into the three other forms and draws them</source>
        <translation>Rechnet die Eingaben der Gruppe %1 in die drei anderen Formen um und zeichnet sie</translation>
    </message>
    <message>
        <source>Sets every entry to zero and converts the empty case</source>
        <translation>Setzt alle Eingaben auf null und rechnet den leeren Fall um</translation>
    </message>
    <message>
        <source>Below the entry groups four phasor diagrams: phases A (black), B (red) and C (blue), then the positive, negative and zero sequence components, all at one scale on which the longest of A, B and C reaches the outer circle</source>
        <translation>Unter den Eingabegruppen vier Zeigerdiagramme: Phasen A (schwarz), B (rot) und C (blau), dann Mitsystem, Gegensystem und Nullsystem, alle in einem Maßstab, in dem der längste von A, B und C den äußeren Kreis erreicht</translation>
    </message>
    <message>
        <source>Phasor diagrams</source>
        <translation>Zeigerdiagramme</translation>
    </message>
    <message>
        <source>Fault reading: %1.</source>
        <translation>Fehlerauswertung: %1.</translation>
    </message>
    <message>
        <source>Empty: no case saved yet</source>
        <translation>Leer: noch kein Fall gespeichert</translation>
    </message>
    <message>
        <source>%1; the newest case</source>
        <translation>%1; der neueste Fall</translation>
    </message>
</context>
<context>
    <name>form::LineToLineDialog</name>
    <message>
        <source>The magnitude of %1 is not a number.</source>
        <translation>Der Betrag von %1 ist keine Zahl.</translation>
    </message>
    <message>
        <source>The angle of %1 is not a number.</source>
        <translation>Der Winkel von %1 ist keine Zahl.</translation>
    </message>
    <message>
        <source>The triangle does not close: Vab + Vbc + Vca leaves %1, more than 1 % of its longest side.</source>
        <translation>Das Dreieck schließt sich nicht: Vab + Vbc + Vca ergibt %1, mehr als 1 % seiner längsten Seite.</translation>
    </message>
    <message>
        <source>These magnitudes cannot form a triangle: no side may be longer than the other two together.</source>
        <translation>Diese Beträge bilden kein Dreieck: keine Seite darf länger sein als die beiden anderen zusammen.</translation>
    </message>
    <message>
        <source>|V2|/|V1| = %1 %</source>
        <translation>|V2|/|V1| = %1 %</translation>
    </message>
    <message>
        <source>|V2|/|V1|: no ratio, V1 is 0</source>
        <translation>|V2|/|V1|: kein Verhältnis, V1 ist 0</translation>
    </message>
    <message>
        <source>u2 = %1 %, from the magnitudes alone</source>
        <translation>u2 = %1 %, allein aus den Beträgen</translation>
    </message>
    <message>
        <source>u2: none for three zeros</source>
        <translation>u2: kein Wert bei drei Nullen</translation>
    </message>
    <message>
        <source>V0 is shown as 0 because line-to-line values cannot give it.</source>
        <translation>V0 wird als 0 angezeigt, weil verkettete Werte es nicht liefern können.</translation>
    </message>
    <message>
        <source>magnitudes only</source>
        <translation>nur Beträge</translation>
    </message>
    <message>
        <source>Enter Line-to-Line Voltages…</source>
        <translation>Verkettete Spannungen eingeben…</translation>
    </message>
    <message>
        <source>Magnitude</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Angle (degrees)</source>
        <translation>Winkel (Grad)</translation>
    </message>
    <message>
        <source>Magnitude of %1</source>
        <translation>Betrag von %1</translation>
    </message>
    <message>
        <source>Angle of %1 in degrees</source>
        <translation>Winkel von %1 in Grad</translation>
    </message>
    <message>
        <source>Enter the magnitudes of Vab, Vbc and Vca.</source>
        <translation>Die Beträge von Vab, Vbc und Vca eingeben.</translation>
    </message>
    <message>
        <source>Enter Vab, Vbc and Vca as magnitude and angle.</source>
        <translation>Vab, Vbc und Vca als Betrag und Winkel eingeben.</translation>
    </message>
</context>
<context>
    <name>form::ReadingRoom</name>
    <message>
        <source>Quantity</source>
        <translation>Art der Zeiger</translation>
    </message>
    <message>
        <source>Choose none, or slot 1–10.</source>
        <translation>„ohne“ oder Speicherplatz 1–10 wählen.</translation>
    </message>
    <message>
        <source>Slot %1 holds no case: the pre-fault case stays as it was.</source>
        <translation>Speicherplatz %1 enthält keinen Fall: der Fall vor dem Fehler bleibt unverändert.</translation>
    </message>
    <message>
        <source>The vector group stays as it was.</source>
        <translation>Die Schaltgruppe bleibt unverändert.</translation>
    </message>
    <message>
        <source>No superimposed set: choose the pre-fault case.</source>
        <translation>Keine überlagerten Größen: den Fall vor dem Fehler wählen.</translation>
    </message>
    <message>
        <source>Put into the Form</source>
        <translation>Übernahme ins Formular</translation>
    </message>
    <message>
        <source>Enter Line-to-Line Voltages</source>
        <translation>Eingabe verketteter Spannungen</translation>
    </message>
</context>
<context>
    <name>form::ReadingWindow</name>
    <message>
        <source>Put into the Form</source>
        <translation>Ins Formular übernehmen</translation>
    </message>
    <message>
        <source>Trivane Reading</source>
        <translation>Trivane-Auswertung</translation>
    </message>
    <message>
        <source>voltages</source>
        <translation>Spannungen</translation>
    </message>
    <message>
        <source>currents</source>
        <translation>Ströme</translation>
    </message>
    <message>
        <source>not said</source>
        <translation>nicht angegeben</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ohne</translation>
    </message>
    <message>
        <source>slot %1</source>
        <translation>Speicherplatz %1</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Auswertung</translation>
    </message>
    <message>
        <source>What the phasors are:</source>
        <translation>Art der Zeiger:</translation>
    </message>
    <message>
        <source>Pre-fault case: none, or slot 1–10</source>
        <translation>Fall vor dem Fehler: ohne oder Speicherplatz 1–10</translation>
    </message>
    <message>
        <source>Vector group: none, or an IEC vector group such as Dyn11, YNyn0, Yd1 or Dy5</source>
        <translation>Schaltgruppe: ohne oder eine IEC-Schaltgruppe wie Dyn11, YNyn0, Yd1 oder Dy5</translation>
    </message>
</context>
</TS>
