<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>CaseKeeping</name>
    <message>
        <source>Stop keeping cases between runs and forget the kept ones?</source>
        <translation>Ne plus conserver les cas entre les sessions et oublier ceux conservés&#xa0;?</translation>
    </message>
    <message>
        <source>Forget all saved cases, here and for the next runs?</source>
        <translation>Oublier tous les cas enregistrés, ici et pour les prochaines sessions&#xa0;?</translation>
    </message>
</context>
<context>
    <name>CaseMemory</name>
    <message>
        <source>Cases are kept for this run only: %1.</source>
        <extracomment>A notice; %1 is why, in English as standard error has it.</extracomment>
        <translation>Les cas ne sont conservés que pour cette session&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The kept cases could not be deleted: %1.</source>
        <translation>Les cas conservés n’ont pas pu être supprimés&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The saved cases could not be read; cases are kept for this run only.</source>
        <translation>Les cas enregistrés n’ont pas pu être lus&#xa0;; les cas ne sont conservés que pour cette session.</translation>
    </message>
    <message>
        <source>The saved cases could not be forgotten: %1.</source>
        <translation>Les cas enregistrés n’ont pas pu être oubliés&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The saved cases could not all be read.</source>
        <translation>Les cas enregistrés n’ont pas tous pu être lus.</translation>
    </message>
    <message>
        <source>The saved cases could not all be read; the file is kept as %1.</source>
        <extracomment>%1 is a file name, as &quot;cases.json.damaged-20260101-120000&quot;.</extracomment>
        <translation>Les cas enregistrés n’ont pas tous pu être lus&#xa0;; le fichier est conservé sous le nom %1.</translation>
    </message>
    <message>
        <source>The kept cases were written by a newer version of Trivane; cases are kept for this run only.</source>
        <translation>Les cas conservés ont été écrits par une version plus récente de Trivane&#xa0;; les cas ne sont conservés que pour cette session.</translation>
    </message>
</context>
<context>
    <name>CaseReading</name>
    <message>
        <source>A–ground</source>
        <translation>A–terre</translation>
    </message>
    <message>
        <source>B–ground</source>
        <translation>B–terre</translation>
    </message>
    <message>
        <source>C–ground</source>
        <translation>C–terre</translation>
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
        <translation>A–B–terre</translation>
    </message>
    <message>
        <source>B–C–ground</source>
        <translation>B–C–terre</translation>
    </message>
    <message>
        <source>C–A–ground</source>
        <translation>C–A–terre</translation>
    </message>
    <message>
        <source>A–B–C</source>
        <translation>A–B–C</translation>
    </message>
    <message>
        <source>Looks like an %1 fault</source>
        <translation>Ressemble à un défaut %1</translation>
    </message>
    <message>
        <source>Looks like a %1 fault</source>
        <translation>Ressemble à un défaut %1</translation>
    </message>
    <message>
        <source>A and B</source>
        <translation>A et B</translation>
    </message>
    <message>
        <source>B and C</source>
        <translation>B et C</translation>
    </message>
    <message>
        <source>C and A</source>
        <translation>C et A</translation>
    </message>
    <message>
        <source>A, B and C</source>
        <translation>A, B et C</translation>
    </message>
    <message>
        <source>Ground: 3|I0| is %1 % of |Ia| + |Ib| + |Ic|, above 10 %.</source>
        <translation>Terre&#xa0;: 3|I0| vaut %1&#xa0;% de |Ia| + |Ib| + |Ic|, plus de 10&#xa0;%.</translation>
    </message>
    <message>
        <source>No ground: 3|I0| is %1 % of |Ia| + |Ib| + |Ic|, at most 10 %.</source>
        <translation>Pas de terre&#xa0;: 3|I0| vaut %1&#xa0;% de |Ia| + |Ib| + |Ic|, au plus 10&#xa0;%.</translation>
    </message>
    <message>
        <source>Sector: the angle of I0/I2 is %1, in the sector of phase %2.</source>
        <translation>Secteur&#xa0;: l’angle de I0/I2 vaut %1, dans le secteur de la phase %2.</translation>
    </message>
    <message>
        <source>I2 against I1: the angle of I2/I1 is %1, %2 in phase %3&apos;s reference: within ±90°, a single-phase fault.</source>
        <translation>I2 face à I1&#xa0;: l’angle de I2/I1 vaut %1, %2 dans la référence de la phase %3&#xa0;: à moins de ±90°, un défaut monophasé.</translation>
    </message>
    <message>
        <source>I2 against I1: the angle of I2/I1 is %1, %2 in phase %3&apos;s reference: beyond ±90°, a two-phase-to-ground fault.</source>
        <translation>I2 face à I1&#xa0;: l’angle de I2/I1 vaut %1, %2 dans la référence de la phase %3&#xa0;: au-delà de ±90°, un défaut biphasé à la terre.</translation>
    </message>
    <message>
        <source>I2 against I1: the angle of I2/I1 is %1, nearest the %2 centre (%3).</source>
        <translation>I2 face à I1&#xa0;: l’angle de I2/I1 vaut %1, plus proche du centre %2 (%3).</translation>
    </message>
    <message>
        <source>I2 against I1: the angle of I2/I1 is %1, nearer a single-phase centre (0°, ±120°).</source>
        <translation>I2 face à I1&#xa0;: l’angle de I2/I1 vaut %1, plus près d’un centre monophasé (0°, ±120°).</translation>
    </message>
    <message>
        <source>The current: carried by %1 (|Ia| %2, |Ib| %3, |Ic| %4).</source>
        <translation>Le courant&#xa0;: porté par %1 (|Ia| %2, |Ib| %3, |Ic| %4).</translation>
    </message>
    <message>
        <source>“%1” is not a vector group: </source>
        <translation>«&#xa0;%1&#xa0;» n’est pas un couplage&#xa0;: </translation>
    </message>
    <message>
        <source>it starts with Y, YN, D, Z or ZN.</source>
        <translation>il commence par Y, YN, D, Z ou ZN.</translation>
    </message>
    <message>
        <source>the first winding is followed by y, yn, d, z or zn.</source>
        <translation>le premier enroulement est suivi de y, yn, d, z ou zn.</translation>
    </message>
    <message>
        <source>a delta winding has no neutral.</source>
        <translation>un enroulement en triangle n’a pas de neutre.</translation>
    </message>
    <message>
        <source>the clock number, 0 to 11, follows the windings.</source>
        <translation>l’indice horaire, de 0 à 11, suit les enroulements.</translation>
    </message>
    <message>
        <source>the clock number is 0 to 11.</source>
        <translation>l’indice horaire va de 0 à 11.</translation>
    </message>
    <message>
        <source>Yy, Dd, Zz, Dz and Zd take even clock numbers; Yd, Dy, Yz and Zy odd ones.</source>
        <translation>Yy, Dd, Zz, Dz et Zd ont des indices horaires pairs&#xa0;; Yd, Dy, Yz et Zy des indices impairs.</translation>
    </message>
    <message>
        <source>nothing follows the clock number.</source>
        <translation>rien ne suit l’indice horaire.</translation>
    </message>
    <message>
        <source>Slot %1 holds no case.</source>
        <translation>L’emplacement %1 ne contient aucun cas.</translation>
    </message>
    <message>
        <source>Slot %1&apos;s case does not convert.</source>
        <translation>Le cas de l’emplacement %1 ne se convertit pas.</translation>
    </message>
    <message>
        <source>No superimposed set: this case is currents and slot %1 holds voltages.</source>
        <translation>Pas de grandeurs superposées&#xa0;: ce cas contient des courants et l’emplacement %1 des tensions.</translation>
    </message>
    <message>
        <source>No superimposed set: this case is voltages and slot %1 holds currents.</source>
        <translation>Pas de grandeurs superposées&#xa0;: ce cas contient des tensions et l’emplacement %1 des courants.</translation>
    </message>
    <message>
        <source>No current: every phase is within the resolution of the computation.</source>
        <translation>Pas de courant&#xa0;: chaque phase reste dans la résolution du calcul.</translation>
    </message>
    <message>
        <source>cannot tell: the change is small against the load</source>
        <translation>indéterminé&#xa0;: la variation est faible devant la charge</translation>
    </message>
    <message>
        <source>cannot tell: zero sequence only</source>
        <translation>indéterminé&#xa0;: composante homopolaire seule</translation>
    </message>
    <message>
        <source>No verdict: a three-phase fault and plain load look alike; choose the pre-fault case</source>
        <translation>Pas de verdict&#xa0;: un défaut triphasé et une simple charge se ressemblent&#xa0;; choisir le cas avant défaut</translation>
    </message>
    <message>
        <source>cannot tell: the change is balanced, but not all three phases carry it</source>
        <translation>indéterminé&#xa0;: la variation est équilibrée, mais les trois phases ne la portent pas toutes</translation>
    </message>
    <message>
        <source>cannot tell: I1 or I2 is too small for its angle to say anything</source>
        <translation>indéterminé&#xa0;: I1 ou I2 est trop petit pour que son angle soit significatif</translation>
    </message>
    <message>
        <source>cannot tell: there is no ground current, but I2 against I1 points at one phase; a phase-to-phase fault beyond a delta-star transformer looks like this (currents about 1 : 2 : 1)</source>
        <translation>indéterminé&#xa0;: il n’y a pas de courant de terre, mais I2 face à I1 désigne une phase&#xa0;; un défaut biphasé derrière un transformateur triangle-étoile a cet aspect (courants environ 1&#xa0;: 2&#xa0;: 1)</translation>
    </message>
    <message>
        <source>cannot tell: the angles say %1, the magnitudes say %2</source>
        <translation>indéterminé&#xa0;: les angles indiquent %1, les modules indiquent %2</translation>
    </message>
    <message>
        <source>Nothing is converted: convert a case in the form to read it.</source>
        <translation>Rien n’est converti&#xa0;: convertir un cas dans le formulaire pour l’analyser.</translation>
    </message>
    <message>
        <source>The phasors are voltages.</source>
        <translation>Les phaseurs sont des tensions.</translation>
    </message>
    <message>
        <source>The phasors are currents.</source>
        <translation>Les phaseurs sont des courants.</translation>
    </message>
    <message>
        <source>What the phasors are is not said.</source>
        <translation>La nature des phaseurs n’est pas indiquée.</translation>
    </message>
    <message>
        <source>Relay quantities</source>
        <translation>Grandeurs pour le relais</translation>
    </message>
    <message>
        <source>No ratios: %1 is 0.</source>
        <translation>Pas de rapports&#xa0;: %1 vaut 0.</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>Angle of %1/%2: %3, angle of %4/%1: %5</source>
        <translation>Angle de %1/%2&#xa0;: %3, angle de %4/%1&#xa0;: %5</translation>
    </message>
    <message>
        <source>Line to line: %1</source>
        <translation>Tensions composées&#xa0;: %1</translation>
    </message>
    <message>
        <source>Superimposed set: this case less slot %1</source>
        <translation>Grandeurs superposées&#xa0;: ce cas moins l’emplacement %1</translation>
    </message>
    <message>
        <source>no change</source>
        <translation>aucune variation</translation>
    </message>
    <message>
        <source>Both cases must share one angle reference: one record, whole cycles apart.</source>
        <translation>Les deux cas doivent partager une même référence d’angle&#xa0;: un même enregistrement, à un nombre entier de périodes d’écart.</translation>
    </message>
    <message>
        <source>Fault reading</source>
        <translation>Analyse du défaut</translation>
    </message>
    <message>
        <source>Only currents are read for a fault.</source>
        <translation>Seuls les courants sont analysés pour un défaut.</translation>
    </message>
    <message>
        <source>the pre-fault load is not removed</source>
        <translation>la charge avant défaut n’est pas retranchée</translation>
    </message>
    <message>
        <source>Through %1, IEC clock number %2: the other winding, per unit of the ratio</source>
        <translation>À travers %1, indice horaire CEI %2&#xa0;: l’autre enroulement, en unités du rapport de transformation</translation>
    </message>
    <message>
        <source>The zero sequence does not pass this transformer.</source>
        <translation>La composante homopolaire ne traverse pas ce transformateur.</translation>
    </message>
    <message>
        <source>Delta %1</source>
        <extracomment>A row of the superimposed set in the results table; %1 is A, B, C, X0, X1 or X2.</extracomment>
        <translation>Delta %1</translation>
    </message>
    <message>
        <source>Other winding %1</source>
        <extracomment>A row of the transformer&apos;s other winding in the results table; %1 is A, B, C, X0, X1 or X2.</extracomment>
        <translation>Autre enroulement %1</translation>
    </message>
    <message>
        <source>Fault</source>
        <translation>Défaut</translation>
    </message>
</context>
<context>
    <name>CaseReport</name>
    <message>
        <source>ABC Polar</source>
        <translation>ABC polaire</translation>
    </message>
    <message>
        <source>Magnitude</source>
        <translation>Module</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Angle</translation>
    </message>
    <message>
        <source>ABC Rectangular</source>
        <translation>ABC cartésienne</translation>
    </message>
    <message>
        <source>Real</source>
        <translation>Réel</translation>
    </message>
    <message>
        <source>Imaginary</source>
        <translation>Imaginaire</translation>
    </message>
    <message>
        <source>012 Polar</source>
        <translation>012 polaire</translation>
    </message>
    <message>
        <source>012 Rectangular</source>
        <translation>012 cartésienne</translation>
    </message>
    <message>
        <source>Note:</source>
        <translation>Note&#xa0;:</translation>
    </message>
    <message>
        <source>The case as typed</source>
        <translation>Le cas tel que saisi</translation>
    </message>
    <message>
        <source>The four groups</source>
        <translation>Les quatre groupes</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Analyse</translation>
    </message>
    <message>
        <source>Trivane case report</source>
        <translation>Rapport de cas Trivane</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Rapport</translation>
    </message>
    <message>
        <source>A note for the report (optional, one line):</source>
        <translation>Une note pour le rapport (facultative, une ligne)&#xa0;:</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Save Report As</source>
        <translation>Enregistrer le rapport sous</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Document PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>CellPaste</name>
    <message numerus="yes">
        <source>%n rows</source>
        <translation>
            <numerusform>%n ligne</numerusform>
            <numerusform>%n lignes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n columns</source>
        <translation>
            <numerusform>%n colonne</numerusform>
            <numerusform>%n colonnes</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and %2 did not fit the group</source>
        <extracomment>A notice after a paste; %1 is &quot;2 rows&quot;, %2 is &quot;1 column&quot;.</extracomment>
        <translation>Pas de place dans le groupe pour %1 et %2</translation>
    </message>
    <message>
        <source>%1 did not fit the group</source>
        <extracomment>A notice after a paste; %1 is &quot;2 rows&quot; or &quot;1 column&quot;.</extracomment>
        <translation>Pas de place dans le groupe pour %1</translation>
    </message>
</context>
<context>
    <name>DiagramOutputs</name>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Image PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>Dessin SVG (*.svg)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Document PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Trivane phasor diagrams</source>
        <translation>Diagrammes de phaseurs Trivane</translation>
    </message>
    <message>
        <source>Diagrams are saved as PNG, SVG or PDF: %1 names none of them.</source>
        <extracomment>%1 is the file&apos;s path.</extracomment>
        <translation>Les diagrammes s’enregistrent en PNG, SVG ou PDF&#xa0;: %1 n’a aucune de ces extensions.</translation>
    </message>
    <message>
        <source>Save Diagrams As</source>
        <translation>Enregistrer les diagrammes sous</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Not a number</source>
        <extracomment>Why a field&apos;s entry is refused: its tooltip, and what a screen reader hears of it.</extracomment>
        <translation>Pas un nombre</translation>
    </message>
    <message>
        <source>Beyond the largest number the program holds, about 3.4E+38</source>
        <translation>Au-delà du plus grand nombre que le programme gère, environ 3.4E+38</translation>
    </message>
    <message>
        <source>The results of these entries are too large to show</source>
        <translation>Les résultats de ces saisies sont trop grands pour être affichés</translation>
    </message>
    <message>
        <source>ABC Polar</source>
        <extracomment>A group&apos;s frame heading, 169 pixels wide at the smallest zoom: about 20 characters.</extracomment>
        <translation>ABC polaire</translation>
    </message>
    <message>
        <source>Phase A magnitude</source>
        <extracomment>Fields&apos; names for screen readers, not shown: any length.</extracomment>
        <translation>Module de la phase A</translation>
    </message>
    <message>
        <source>Phase A angle in degrees</source>
        <translation>Angle de la phase A en degrés</translation>
    </message>
    <message>
        <source>Phase B magnitude</source>
        <translation>Module de la phase B</translation>
    </message>
    <message>
        <source>Phase B angle in degrees</source>
        <translation>Angle de la phase B en degrés</translation>
    </message>
    <message>
        <source>Phase C magnitude</source>
        <translation>Module de la phase C</translation>
    </message>
    <message>
        <source>Phase C angle in degrees</source>
        <translation>Angle de la phase C en degrés</translation>
    </message>
    <message>
        <source>Magnitude</source>
        <extracomment>Column headings in fixed labels about 65 pixels wide (Angle and Real: 41 to 49 pixels): keep them as short as the English.</extracomment>
        <translation>Module</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Angle</translation>
    </message>
    <message>
        <source>ABC Rectangular</source>
        <translation>ABC cartésienne</translation>
    </message>
    <message>
        <source>Phase A real part</source>
        <translation>Partie réelle de la phase A</translation>
    </message>
    <message>
        <source>Phase A imaginary part</source>
        <translation>Partie imaginaire de la phase A</translation>
    </message>
    <message>
        <source>Phase B real part</source>
        <translation>Partie réelle de la phase B</translation>
    </message>
    <message>
        <source>Phase B imaginary part</source>
        <translation>Partie imaginaire de la phase B</translation>
    </message>
    <message>
        <source>Phase C real part</source>
        <translation>Partie réelle de la phase C</translation>
    </message>
    <message>
        <source>Phase C imaginary part</source>
        <translation>Partie imaginaire de la phase C</translation>
    </message>
    <message>
        <source>Real</source>
        <translation>Réel</translation>
    </message>
    <message>
        <source>Imaginary</source>
        <translation>Imaginaire</translation>
    </message>
    <message>
        <source>012 Polar</source>
        <translation>012 polaire</translation>
    </message>
    <message>
        <source>Sequence 0 magnitude</source>
        <translation>Module de la composante 0</translation>
    </message>
    <message>
        <source>Sequence 0 angle in degrees</source>
        <translation>Angle de la composante 0 en degrés</translation>
    </message>
    <message>
        <source>Sequence 1 magnitude</source>
        <translation>Module de la composante 1</translation>
    </message>
    <message>
        <source>Sequence 1 angle in degrees</source>
        <translation>Angle de la composante 1 en degrés</translation>
    </message>
    <message>
        <source>Sequence 2 magnitude</source>
        <translation>Module de la composante 2</translation>
    </message>
    <message>
        <source>Sequence 2 angle in degrees</source>
        <translation>Angle de la composante 2 en degrés</translation>
    </message>
    <message>
        <source>012 Rectangular</source>
        <translation>012 cartésienne</translation>
    </message>
    <message>
        <source>Sequence 0 real part</source>
        <translation>Partie réelle de la composante 0</translation>
    </message>
    <message>
        <source>Sequence 0 imaginary part</source>
        <translation>Partie imaginaire de la composante 0</translation>
    </message>
    <message>
        <source>Sequence 1 real part</source>
        <translation>Partie réelle de la composante 1</translation>
    </message>
    <message>
        <source>Sequence 1 imaginary part</source>
        <translation>Partie imaginaire de la composante 1</translation>
    </message>
    <message>
        <source>Sequence 2 real part</source>
        <translation>Partie réelle de la composante 2</translation>
    </message>
    <message>
        <source>Sequence 2 imaginary part</source>
        <translation>Partie imaginaire de la composante 2</translation>
    </message>
    <message>
        <source>CONVERT</source>
        <extracomment>The caption of each group&apos;s button, 137 pixels wide: about 14 capitals.</extracomment>
        <translation>CONVERTIR</translation>
    </message>
    <message>
        <source>Convert ABC polar</source>
        <translation>Convertir ABC polaire</translation>
    </message>
    <message>
        <source>Convert ABC rectangular</source>
        <translation>Convertir ABC cartésienne</translation>
    </message>
    <message>
        <source>Convert 012 polar</source>
        <translation>Convertir 012 polaire</translation>
    </message>
    <message>
        <source>Convert 012 rectangular</source>
        <translation>Convertir 012 cartésienne</translation>
    </message>
    <message>
        <source>Clear Screen</source>
        <extracomment>A button 97 by 49 pixels: two short lines at most.</extracomment>
        <translation>Effacer
l’écran</translation>
    </message>
    <message>
        <source>Clear screen</source>
        <translation>Effacer l’écran</translation>
    </message>
    <message>
        <source>Memory slot 1</source>
        <extracomment>The memory buttons&apos; names for screen readers, not shown.</extracomment>
        <translation>Emplacement mémoire 1</translation>
    </message>
    <message>
        <source>Memory slot 2</source>
        <translation>Emplacement mémoire 2</translation>
    </message>
    <message>
        <source>Memory slot 3</source>
        <translation>Emplacement mémoire 3</translation>
    </message>
    <message>
        <source>Memory slot 4</source>
        <translation>Emplacement mémoire 4</translation>
    </message>
    <message>
        <source>Memory slot 5</source>
        <translation>Emplacement mémoire 5</translation>
    </message>
    <message>
        <source>Memory slot 6</source>
        <translation>Emplacement mémoire 6</translation>
    </message>
    <message>
        <source>Memory slot 7</source>
        <translation>Emplacement mémoire 7</translation>
    </message>
    <message>
        <source>Memory slot 8</source>
        <translation>Emplacement mémoire 8</translation>
    </message>
    <message>
        <source>Memory slot 9</source>
        <translation>Emplacement mémoire 9</translation>
    </message>
    <message>
        <source>Memory slot 10</source>
        <translation>Emplacement mémoire 10</translation>
    </message>
    <message>
        <source>Click Option Button to View a Case Autosaved in Wraparound Memory</source>
        <extracomment>Wrapped, centred text in a box 89 pixels wide and about seven lines high.</extracomment>
        <translation>Cliquer sur une option pour voir un cas enregistré en mémoire circulaire</translation>
    </message>
    <message>
        <source>Positive Sequence</source>
        <extracomment>The diagrams&apos; captions, centred over them, 97 to 129 pixels wide: one line.</extracomment>
        <translation>Directe</translation>
    </message>
    <message>
        <source>Negative Sequence</source>
        <translation>Inverse</translation>
    </message>
    <message>
        <source>Zero Sequence</source>
        <translation>Homopolaire</translation>
    </message>
    <message>
        <source>Note - the lengths of phasors in the plots are scaled so that the longest of A, B, C has 1pu radius</source>
        <extracomment>One line under the diagrams, 713 pixels wide.</extracomment>
        <translation>Note - les phaseurs des diagrammes sont à l’échelle&#xa0;: le plus long de A, B, C a un rayon de 1 pu</translation>
    </message>
    <message>
        <source>Trivane, symmetrical components calculator</source>
        <translation>Trivane, calculateur de composantes symétriques</translation>
    </message>
</context>
<context>
    <name>FormActions</name>
    <message>
        <source>Copy Results</source>
        <translation>Copier les résultats</translation>
    </message>
    <message>
        <source>Save Results As…</source>
        <translation>Enregistrer les résultats sous…</translation>
    </message>
    <message>
        <source>Copy Diagrams</source>
        <translation>Copier les diagrammes</translation>
    </message>
    <message>
        <source>Save Diagrams As…</source>
        <translation>Enregistrer les diagrammes sous…</translation>
    </message>
    <message>
        <source>Print Diagrams…</source>
        <translation>Imprimer les diagrammes…</translation>
    </message>
    <message>
        <source>Save Report As…</source>
        <translation>Enregistrer le rapport sous…</translation>
    </message>
    <message>
        <source>Print Report…</source>
        <translation>Imprimer le rapport…</translation>
    </message>
    <message>
        <source>Show Reading</source>
        <translation>Afficher l’analyse</translation>
    </message>
    <message>
        <source>Enter Line-to-Line Voltages…</source>
        <translation>Saisir les tensions composées…</translation>
    </message>
    <message>
        <source>Keep Cases Between Runs</source>
        <translation>Conserver les cas entre les sessions</translation>
    </message>
    <message>
        <source>Forget All Cases</source>
        <translation>Oublier tous les cas</translation>
    </message>
</context>
<context>
    <name>FormHistory</name>
    <message>
        <source>Convert</source>
        <extracomment>An undo step, named in the menu as &quot;Undo %1&quot;.</extracomment>
        <translation>la conversion</translation>
    </message>
    <message>
        <source>Clear Screen</source>
        <extracomment>An undo step, named in the menu as &quot;Undo %1&quot;.</extracomment>
        <translation>l’effacement de l’écran</translation>
    </message>
    <message>
        <source>Recall</source>
        <extracomment>An undo step, named in the menu as &quot;Undo %1&quot;.</extracomment>
        <translation>le rappel</translation>
    </message>
    <message>
        <source>Typing</source>
        <extracomment>An undo step, named in the menu as &quot;Undo %1&quot;.</extracomment>
        <translation>la saisie</translation>
    </message>
    <message>
        <source>Paste</source>
        <extracomment>An undo step, named in the menu as &quot;Undo %1&quot;.</extracomment>
        <translation>le collage</translation>
    </message>
</context>
<context>
    <name>ResultsTable</name>
    <message>
        <source>Phasor</source>
        <translation>Phaseur</translation>
    </message>
    <message>
        <source>Magnitude</source>
        <translation>Module</translation>
    </message>
    <message>
        <source>Angle (degrees)</source>
        <translation>Angle (degrés)</translation>
    </message>
    <message>
        <source>Real part</source>
        <translation>Partie réelle</translation>
    </message>
    <message>
        <source>Imaginary part</source>
        <translation>Partie imaginaire</translation>
    </message>
    <message>
        <source>no ratio</source>
        <translation>pas de rapport</translation>
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
        <translation>Ordre des phases</translation>
    </message>
    <message>
        <source>the number settings could not be set</source>
        <translation>les formats de nombre n’ont pas pu être définis</translation>
    </message>
    <message>
        <source>the workbook could not be started</source>
        <translation>le classeur n’a pas pu être créé</translation>
    </message>
    <message>
        <source>No results to save: convert a case first.</source>
        <translation>Aucun résultat à enregistrer&#xa0;: convertir d’abord un cas.</translation>
    </message>
    <message>
        <source>Save Results As</source>
        <translation>Enregistrer les résultats sous</translation>
    </message>
    <message>
        <source>Excel workbooks (*.xlsx)</source>
        <translation>Classeurs Excel (*.xlsx)</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
</context>
<context>
    <name>SaveFile</name>
    <message>
        <source>Could not write %1: %2</source>
        <extracomment>%1 is the file&apos;s path, %2 why it failed, as in &quot;the disk is full&quot;.</extracomment>
        <translation>Impossible d’écrire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>le disque est plein</translation>
    </message>
    <message>
        <source>the file would be too large</source>
        <translation>le fichier serait trop grand</translation>
    </message>
    <message>
        <source>the folder cannot be written</source>
        <translation>le dossier n’est pas accessible en écriture</translation>
    </message>
    <message>
        <source>the file could not be written whole</source>
        <translation>le fichier n’a pas pu être écrit en entier</translation>
    </message>
</context>
<context>
    <name>ScreenReaderText</name>
    <message>
        <source>%1 %2 at %3</source>
        <extracomment>A phasor of a saved case, as &quot;A 7.25 at 0°&quot;: %1 its label, %2 its magnitude, %3 its angle.</extracomment>
        <translation>%1 %2 d’angle %3</translation>
    </message>
    <message>
        <source>No unbalance ratio: the positive sequence is zero.</source>
        <translation>Pas de taux de déséquilibre&#xa0;: la composante directe est nulle.</translation>
    </message>
    <message>
        <source>Unbalance |V2|/|V1| %1 %, |V0|/|V1| %2 %.</source>
        <extracomment>%1 and %2 are percentages.</extracomment>
        <translation>Déséquilibre |V2|/|V1| %1&#xa0;%, |V0|/|V1| %2&#xa0;%.</translation>
    </message>
    <message>
        <source>The set turns A-C-B: its phases rotate the other way, or two of them are swapped.</source>
        <translation>Le système tourne en A-C-B&#xa0;: ses phases tournent dans l’autre sens, ou deux d’entre elles sont permutées.</translation>
    </message>
    <message>
        <source>|V2| and |V1| are equal within the precision held: the phase order cannot be told from them.</source>
        <translation>|V2| et |V1| sont égaux à la précision conservée près&#xa0;: l’ordre des phases ne peut pas en être déduit.</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <extracomment>A phasor as &quot;1 at −120°&quot;: %1 its magnitude, %2 its angle.</extracomment>
        <translation>%1 d’angle %2</translation>
    </message>
    <message>
        <source>ABC polar</source>
        <extracomment>A group&apos;s name inside a sentence, as in &quot;Converted the ABC polar entries.&quot;</extracomment>
        <translation>ABC polaire</translation>
    </message>
    <message>
        <source>ABC rectangular</source>
        <translation>ABC cartésienne</translation>
    </message>
    <message>
        <source>012 polar</source>
        <translation>012 polaire</translation>
    </message>
    <message>
        <source>012 rectangular</source>
        <translation>012 cartésienne</translation>
    </message>
    <message>
        <source>Nothing is drawn yet: enter a case and press CONVERT.</source>
        <translation>Rien n’est encore tracé&#xa0;: saisir un cas et appuyer sur CONVERTIR.</translation>
    </message>
    <message>
        <source>Nothing is drawn: the entries could not be converted.</source>
        <translation>Rien n’est tracé&#xa0;: les saisies n’ont pas pu être converties.</translation>
    </message>
    <message>
        <source>Nothing is drawn: no phase is longer than 1E-06.</source>
        <translation>Rien n’est tracé&#xa0;: aucune phase ne dépasse 1E-06.</translation>
    </message>
    <message>
        <source>Four phasor diagrams at one scale: the outer circle stands for %1. Phases: A %2, B %3, C %4. Positive sequence %5, with B and C a third of a turn behind and ahead. Negative sequence %6, with B and C a third of a turn ahead and behind. Zero sequence %7.</source>
        <extracomment>%1 is the scale&apos;s magnitude; %2 to %7 are phasors as &quot;1 at −120°&quot;.</extracomment>
        <translation>Quatre diagrammes de phaseurs à la même échelle&#xa0;: le cercle extérieur représente %1. Phases&#xa0;: A %2, B %3, C %4. Composante directe %5, avec B et C en retard et en avance d’un tiers de tour. Composante inverse %6, avec B et C en avance et en retard d’un tiers de tour. Composante homopolaire %7.</translation>
    </message>
    <message>
        <source>Converted the %1 entries.</source>
        <extracomment>Said after a conversion; %1 is a group&apos;s name, as &quot;ABC polar&quot;.</extracomment>
        <translation>Saisies du groupe %1 converties.</translation>
    </message>
    <message>
        <source>Not converted. %1: %2.</source>
        <extracomment>Said after a refused conversion; %1 is a field&apos;s name, %2 why it is refused.</extracomment>
        <translation>Non converti. %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Converts the %1 entries into the three other forms and draws them</source>
        <translation>Convertit les saisies du groupe %1 dans les trois autres formes et les trace</translation>
    </message>
    <message>
        <source>Sets every entry to zero and converts the empty case</source>
        <translation>Met chaque saisie à zéro et convertit le cas vide</translation>
    </message>
    <message>
        <source>Below the entry groups four phasor diagrams: phases A (black), B (red) and C (blue), then the positive, negative and zero sequence components, all at one scale on which the longest of A, B and C reaches the outer circle</source>
        <translation>Sous les groupes de saisie, quatre diagrammes de phaseurs&#xa0;: phases A (noir), B (rouge) et C (bleu), puis les composantes directe, inverse et homopolaire, tous à une même échelle où le plus long de A, B et C atteint le cercle extérieur</translation>
    </message>
    <message>
        <source>Phasor diagrams</source>
        <translation>Diagrammes de phaseurs</translation>
    </message>
    <message>
        <source>Fault reading: %1.</source>
        <translation>Analyse du défaut&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Empty: no case saved yet</source>
        <translation>Vide&#xa0;: aucun cas enregistré pour l’instant</translation>
    </message>
    <message>
        <source>%1; the newest case</source>
        <translation>%1&#xa0;; le cas le plus récent</translation>
    </message>
</context>
<context>
    <name>form::LineToLineDialog</name>
    <message>
        <source>The magnitude of %1 is not a number.</source>
        <translation>Le module de %1 n’est pas un nombre.</translation>
    </message>
    <message>
        <source>The angle of %1 is not a number.</source>
        <translation>L’angle de %1 n’est pas un nombre.</translation>
    </message>
    <message>
        <source>The triangle does not close: Vab + Vbc + Vca leaves %1, more than 1 % of its longest side.</source>
        <translation>Le triangle ne se ferme pas&#xa0;: Vab + Vbc + Vca vaut %1, plus de 1&#xa0;% de son plus grand côté.</translation>
    </message>
    <message>
        <source>These magnitudes cannot form a triangle: no side may be longer than the other two together.</source>
        <translation>Ces modules ne peuvent pas former un triangle&#xa0;: aucun côté ne peut dépasser la somme des deux autres.</translation>
    </message>
    <message>
        <source>|V2|/|V1| = %1 %</source>
        <translation>|V2|/|V1| = %1&#xa0;%</translation>
    </message>
    <message>
        <source>|V2|/|V1|: no ratio, V1 is 0</source>
        <translation>|V2|/|V1|&#xa0;: pas de rapport, V1 vaut 0</translation>
    </message>
    <message>
        <source>u2 = %1 %, from the magnitudes alone</source>
        <translation>u2 = %1&#xa0;%, d’après les seuls modules</translation>
    </message>
    <message>
        <source>u2: none for three zeros</source>
        <translation>u2&#xa0;: aucune valeur pour trois zéros</translation>
    </message>
    <message>
        <source>V0 is shown as 0 because line-to-line values cannot give it.</source>
        <translation>V0 est affiché à 0 car les valeurs composées ne permettent pas de le déterminer.</translation>
    </message>
    <message>
        <source>magnitudes only</source>
        <translation>modules seuls</translation>
    </message>
    <message>
        <source>Enter Line-to-Line Voltages…</source>
        <translation>Saisir les tensions composées…</translation>
    </message>
    <message>
        <source>Magnitude</source>
        <translation>Module</translation>
    </message>
    <message>
        <source>Angle (degrees)</source>
        <translation>Angle (degrés)</translation>
    </message>
    <message>
        <source>Magnitude of %1</source>
        <translation>Module de %1</translation>
    </message>
    <message>
        <source>Angle of %1 in degrees</source>
        <translation>Angle de %1 en degrés</translation>
    </message>
    <message>
        <source>Enter the magnitudes of Vab, Vbc and Vca.</source>
        <translation>Saisir les modules de Vab, Vbc et Vca.</translation>
    </message>
    <message>
        <source>Enter Vab, Vbc and Vca as magnitude and angle.</source>
        <translation>Saisir Vab, Vbc et Vca en module et angle.</translation>
    </message>
</context>
<context>
    <name>form::ReadingRoom</name>
    <message>
        <source>Quantity</source>
        <translation>la nature des phaseurs</translation>
    </message>
    <message>
        <source>Choose none, or slot 1–10.</source>
        <translation>Choisir «&#xa0;aucun&#xa0;» ou l’emplacement 1–10.</translation>
    </message>
    <message>
        <source>Slot %1 holds no case: the pre-fault case stays as it was.</source>
        <translation>L’emplacement %1 ne contient aucun cas&#xa0;: le cas avant défaut reste inchangé.</translation>
    </message>
    <message>
        <source>The vector group stays as it was.</source>
        <translation>Le couplage reste inchangé.</translation>
    </message>
    <message>
        <source>No superimposed set: choose the pre-fault case.</source>
        <translation>Pas de grandeurs superposées&#xa0;: choisir le cas avant défaut.</translation>
    </message>
    <message>
        <source>Put into the Form</source>
        <translation>la copie dans le formulaire</translation>
    </message>
    <message>
        <source>Enter Line-to-Line Voltages</source>
        <translation>la saisie des tensions composées</translation>
    </message>
</context>
<context>
    <name>form::ReadingWindow</name>
    <message>
        <source>Put into the Form</source>
        <translation>Copier dans le formulaire</translation>
    </message>
    <message>
        <source>Trivane Reading</source>
        <translation>Analyse Trivane</translation>
    </message>
    <message>
        <source>voltages</source>
        <translation>tensions</translation>
    </message>
    <message>
        <source>currents</source>
        <translation>courants</translation>
    </message>
    <message>
        <source>not said</source>
        <translation>non indiqué</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>slot %1</source>
        <translation>emplacement %1</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Analyse</translation>
    </message>
    <message>
        <source>What the phasors are:</source>
        <translation>Nature des phaseurs&#xa0;:</translation>
    </message>
    <message>
        <source>Pre-fault case: none, or slot 1–10</source>
        <translation>Cas avant défaut&#xa0;: aucun, ou emplacement 1–10</translation>
    </message>
    <message>
        <source>Vector group: none, or an IEC vector group such as Dyn11, YNyn0, Yd1 or Dy5</source>
        <translation>Couplage&#xa0;: aucun, ou un couplage CEI tel que Dyn11, YNyn0, Yd1 ou Dy5</translation>
    </message>
</context>
</TS>
