<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en">
<context>
    <name>CaseKeeping</name>
    <message>
        <source>Stop keeping cases between runs and forget the kept ones?</source>
        <translation>¿Dejar de conservar los casos entre sesiones y olvidar los conservados?</translation>
    </message>
    <message>
        <source>Forget all saved cases, here and for the next runs?</source>
        <translation>¿Olvidar todos los casos guardados, aquí y en las próximas sesiones?</translation>
    </message>
</context>
<context>
    <name>CaseMemory</name>
    <message>
        <source>Cases are kept for this run only: %1.</source>
        <extracomment>A notice; %1 is why, in English as standard error has it.</extracomment>
        <translation>Los casos se conservan solo en esta sesión: %1.</translation>
    </message>
    <message>
        <source>The kept cases could not be deleted: %1.</source>
        <translation>No se pudieron eliminar los casos conservados: %1.</translation>
    </message>
    <message>
        <source>The saved cases could not be read; cases are kept for this run only.</source>
        <translation>No se pudieron leer los casos guardados; los casos se conservan solo en esta sesión.</translation>
    </message>
    <message>
        <source>The saved cases could not be forgotten: %1.</source>
        <translation>No se pudieron olvidar los casos guardados: %1.</translation>
    </message>
    <message>
        <source>The saved cases could not all be read.</source>
        <translation>No se pudieron leer todos los casos guardados.</translation>
    </message>
    <message>
        <source>The saved cases could not all be read; the file is kept as %1.</source>
        <extracomment>%1 is a file name, as &quot;cases.json.damaged-20260101-120000&quot;.</extracomment>
        <translation>No se pudieron leer todos los casos guardados; el archivo se conserva como %1.</translation>
    </message>
    <message>
        <source>The kept cases were written by a newer version of Trivane; cases are kept for this run only.</source>
        <translation>Los casos conservados proceden de una versión más reciente de Trivane; los casos se conservan solo en esta sesión.</translation>
    </message>
</context>
<context>
    <name>CaseReading</name>
    <message>
        <source>A–ground</source>
        <translation>A–tierra</translation>
    </message>
    <message>
        <source>B–ground</source>
        <translation>B–tierra</translation>
    </message>
    <message>
        <source>C–ground</source>
        <translation>C–tierra</translation>
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
        <translation>A–B–tierra</translation>
    </message>
    <message>
        <source>B–C–ground</source>
        <translation>B–C–tierra</translation>
    </message>
    <message>
        <source>C–A–ground</source>
        <translation>C–A–tierra</translation>
    </message>
    <message>
        <source>A–B–C</source>
        <translation>A–B–C</translation>
    </message>
    <message>
        <source>Looks like an %1 fault</source>
        <translation>Parece una falla %1</translation>
    </message>
    <message>
        <source>Looks like a %1 fault</source>
        <translation>Parece una falla %1</translation>
    </message>
    <message>
        <source>A and B</source>
        <translation>A y B</translation>
    </message>
    <message>
        <source>B and C</source>
        <translation>B y C</translation>
    </message>
    <message>
        <source>C and A</source>
        <translation>C y A</translation>
    </message>
    <message>
        <source>A, B and C</source>
        <translation>A, B y C</translation>
    </message>
    <message>
        <source>Ground: 3|I0| is %1 % of |Ia| + |Ib| + |Ic|, above 10 %.</source>
        <translation>Tierra: 3|I0| es el %1 % de |Ia| + |Ib| + |Ic|, más del 10 %.</translation>
    </message>
    <message>
        <source>No ground: 3|I0| is %1 % of |Ia| + |Ib| + |Ic|, at most 10 %.</source>
        <translation>Sin tierra: 3|I0| es el %1 % de |Ia| + |Ib| + |Ic|, como máximo el 10 %.</translation>
    </message>
    <message>
        <source>Sector: the angle of I0/I2 is %1, in the sector of phase %2.</source>
        <translation>Sector: el ángulo de I0/I2 es %1, en el sector de la fase %2.</translation>
    </message>
    <message>
        <source>I2 against I1: the angle of I2/I1 is %1, %2 in phase %3&apos;s reference: within ±90°, a single-phase fault.</source>
        <translation>I2 frente a I1: el ángulo de I2/I1 es %1, %2 en la referencia de la fase %3: dentro de ±90°, una falla monofásica.</translation>
    </message>
    <message>
        <source>I2 against I1: the angle of I2/I1 is %1, %2 in phase %3&apos;s reference: beyond ±90°, a two-phase-to-ground fault.</source>
        <translation>I2 frente a I1: el ángulo de I2/I1 es %1, %2 en la referencia de la fase %3: fuera de ±90°, una falla bifásica a tierra.</translation>
    </message>
    <message>
        <source>I2 against I1: the angle of I2/I1 is %1, nearest the %2 centre (%3).</source>
        <translation>I2 frente a I1: el ángulo de I2/I1 es %1, más próximo al centro de %2 (%3).</translation>
    </message>
    <message>
        <source>I2 against I1: the angle of I2/I1 is %1, nearer a single-phase centre (0°, ±120°).</source>
        <translation>I2 frente a I1: el ángulo de I2/I1 es %1, más próximo a un centro monofásico (0°, ±120°).</translation>
    </message>
    <message>
        <source>The current: carried by %1 (|Ia| %2, |Ib| %3, |Ic| %4).</source>
        <translation>La corriente: circula por %1 (|Ia| %2, |Ib| %3, |Ic| %4).</translation>
    </message>
    <message>
        <source>“%1” is not a vector group: </source>
        <translation>«%1» no es un grupo de conexión: </translation>
    </message>
    <message>
        <source>it starts with Y, YN, D, Z or ZN.</source>
        <translation>empieza por Y, YN, D, Z o ZN.</translation>
    </message>
    <message>
        <source>the first winding is followed by y, yn, d, z or zn.</source>
        <translation>tras el primer devanado va y, yn, d, z o zn.</translation>
    </message>
    <message>
        <source>a delta winding has no neutral.</source>
        <translation>un devanado en triángulo no tiene neutro.</translation>
    </message>
    <message>
        <source>the clock number, 0 to 11, follows the windings.</source>
        <translation>tras los devanados va el índice horario, de 0 a 11.</translation>
    </message>
    <message>
        <source>the clock number is 0 to 11.</source>
        <translation>el índice horario va de 0 a 11.</translation>
    </message>
    <message>
        <source>Yy, Dd, Zz, Dz and Zd take even clock numbers; Yd, Dy, Yz and Zy odd ones.</source>
        <translation>Yy, Dd, Zz, Dz y Zd llevan índices horarios pares; Yd, Dy, Yz y Zy, impares.</translation>
    </message>
    <message>
        <source>nothing follows the clock number.</source>
        <translation>tras el índice horario no va nada.</translation>
    </message>
    <message>
        <source>Slot %1 holds no case.</source>
        <translation>La posición %1 no contiene ningún caso.</translation>
    </message>
    <message>
        <source>Slot %1&apos;s case does not convert.</source>
        <translation>El caso de la posición %1 no se puede convertir.</translation>
    </message>
    <message>
        <source>No superimposed set: this case is currents and slot %1 holds voltages.</source>
        <translation>Sin magnitudes superpuestas: este caso es de corrientes y la posición %1 contiene tensiones.</translation>
    </message>
    <message>
        <source>No superimposed set: this case is voltages and slot %1 holds currents.</source>
        <translation>Sin magnitudes superpuestas: este caso es de tensiones y la posición %1 contiene corrientes.</translation>
    </message>
    <message>
        <source>No current: every phase is within the resolution of the computation.</source>
        <translation>Sin corriente: todas las fases están dentro de la resolución del cálculo.</translation>
    </message>
    <message>
        <source>cannot tell: the change is small against the load</source>
        <translation>no se puede determinar: el cambio es pequeño frente a la carga</translation>
    </message>
    <message>
        <source>cannot tell: zero sequence only</source>
        <translation>no se puede determinar: solo secuencia cero</translation>
    </message>
    <message>
        <source>No verdict: a three-phase fault and plain load look alike; choose the pre-fault case</source>
        <translation>Sin veredicto: una falla trifásica y una carga normal se parecen; elija el caso de prefalla</translation>
    </message>
    <message>
        <source>cannot tell: the change is balanced, but not all three phases carry it</source>
        <translation>no se puede determinar: el cambio es equilibrado, pero no afecta a las tres fases</translation>
    </message>
    <message>
        <source>cannot tell: I1 or I2 is too small for its angle to say anything</source>
        <translation>no se puede determinar: I1 o I2 es demasiado pequeña para que su ángulo indique algo</translation>
    </message>
    <message>
        <source>cannot tell: there is no ground current, but I2 against I1 points at one phase; a phase-to-phase fault beyond a delta-star transformer looks like this (currents about 1 : 2 : 1)</source>
        <translation>no se puede determinar: no hay corriente a tierra, pero I2 frente a I1 apunta a una fase; así se ve una falla entre fases tras un transformador triángulo-estrella (corrientes de aprox. 1 : 2 : 1)</translation>
    </message>
    <message>
        <source>cannot tell: the angles say %1, the magnitudes say %2</source>
        <translation>no se puede determinar: los ángulos indican %1, las magnitudes indican %2</translation>
    </message>
    <message>
        <source>Nothing is converted: convert a case in the form to read it.</source>
        <translation>No hay nada convertido: convierta un caso en el formulario para analizarlo.</translation>
    </message>
    <message>
        <source>The phasors are voltages.</source>
        <translation>Los fasores son tensiones.</translation>
    </message>
    <message>
        <source>The phasors are currents.</source>
        <translation>Los fasores son corrientes.</translation>
    </message>
    <message>
        <source>What the phasors are is not said.</source>
        <translation>No se ha indicado qué son los fasores.</translation>
    </message>
    <message>
        <source>Relay quantities</source>
        <translation>Magnitudes del relé</translation>
    </message>
    <message>
        <source>No ratios: %1 is 0.</source>
        <translation>Sin relaciones: %1 es 0.</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>Angle of %1/%2: %3, angle of %4/%1: %5</source>
        <translation>Ángulo de %1/%2: %3, ángulo de %4/%1: %5</translation>
    </message>
    <message>
        <source>Line to line: %1</source>
        <translation>Tensiones entre fases: %1</translation>
    </message>
    <message>
        <source>Superimposed set: this case less slot %1</source>
        <translation>Magnitudes superpuestas: este caso menos la posición %1</translation>
    </message>
    <message>
        <source>no change</source>
        <translation>sin cambios</translation>
    </message>
    <message>
        <source>Both cases must share one angle reference: one record, whole cycles apart.</source>
        <translation>Ambos casos deben compartir una misma referencia angular: un mismo registro, separados por ciclos completos.</translation>
    </message>
    <message>
        <source>Fault reading</source>
        <translation>Análisis de la falla</translation>
    </message>
    <message>
        <source>Only currents are read for a fault.</source>
        <translation>Para una falla solo se analizan corrientes.</translation>
    </message>
    <message>
        <source>the pre-fault load is not removed</source>
        <translation>no se descuenta la carga de prefalla</translation>
    </message>
    <message>
        <source>Through %1, IEC clock number %2: the other winding, per unit of the ratio</source>
        <translation>A través de %1, índice horario IEC %2: el otro devanado, en por unidad de la relación</translation>
    </message>
    <message>
        <source>The zero sequence does not pass this transformer.</source>
        <translation>La secuencia cero no atraviesa este transformador.</translation>
    </message>
    <message>
        <source>Delta %1</source>
        <extracomment>A row of the superimposed set in the results table; %1 is A, B, C, X0, X1 or X2.</extracomment>
        <translation>Delta %1</translation>
    </message>
    <message>
        <source>Other winding %1</source>
        <extracomment>A row of the transformer&apos;s other winding in the results table; %1 is A, B, C, X0, X1 or X2.</extracomment>
        <translation>Otro devanado %1</translation>
    </message>
    <message>
        <source>Fault</source>
        <translation>Falla</translation>
    </message>
</context>
<context>
    <name>CaseReport</name>
    <message>
        <source>ABC Polar</source>
        <translation>ABC polar</translation>
    </message>
    <message>
        <source>Magnitude</source>
        <translation>Magnitud</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Ángulo</translation>
    </message>
    <message>
        <source>ABC Rectangular</source>
        <translation>ABC rectangular</translation>
    </message>
    <message>
        <source>Real</source>
        <translation>Real</translation>
    </message>
    <message>
        <source>Imaginary</source>
        <translation>Imaginaria</translation>
    </message>
    <message>
        <source>012 Polar</source>
        <translation>012 polar</translation>
    </message>
    <message>
        <source>012 Rectangular</source>
        <translation>012 rectangular</translation>
    </message>
    <message>
        <source>Note:</source>
        <translation>Nota:</translation>
    </message>
    <message>
        <source>The case as typed</source>
        <translation>El caso tal como se introdujo</translation>
    </message>
    <message>
        <source>The four groups</source>
        <translation>Los cuatro grupos</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Análisis</translation>
    </message>
    <message>
        <source>Trivane case report</source>
        <translation>Informe de caso de Trivane</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Informe</translation>
    </message>
    <message>
        <source>A note for the report (optional, one line):</source>
        <translation>Una nota para el informe (opcional, una línea):</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Save Report As</source>
        <translation>Guardar informe como</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Documento PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>CellPaste</name>
    <message numerus="yes">
        <source>%n rows</source>
        <translation>
            <numerusform>%n fila</numerusform>
            <numerusform>%n filas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n columns</source>
        <translation>
            <numerusform>%n columna</numerusform>
            <numerusform>%n columnas</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and %2 did not fit the group</source>
        <extracomment>A notice after a paste; %1 is &quot;2 rows&quot;, %2 is &quot;1 column&quot;.</extracomment>
        <translation>%1 y %2 quedaron fuera del grupo</translation>
    </message>
    <message>
        <source>%1 did not fit the group</source>
        <extracomment>A notice after a paste; %1 is &quot;2 rows&quot; or &quot;1 column&quot;.</extracomment>
        <translation>Quedó fuera del grupo: %1</translation>
    </message>
</context>
<context>
    <name>DiagramOutputs</name>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Imagen PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>Dibujo SVG (*.svg)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Documento PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Trivane phasor diagrams</source>
        <translation>Diagramas fasoriales de Trivane</translation>
    </message>
    <message>
        <source>Diagrams are saved as PNG, SVG or PDF: %1 names none of them.</source>
        <extracomment>%1 is the file&apos;s path.</extracomment>
        <translation>Los diagramas se guardan como PNG, SVG o PDF: %1 no indica ninguno de ellos.</translation>
    </message>
    <message>
        <source>Save Diagrams As</source>
        <translation>Guardar diagramas como</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Not a number</source>
        <extracomment>Why a field&apos;s entry is refused: its tooltip, and what a screen reader hears of it.</extracomment>
        <translation>No es un número</translation>
    </message>
    <message>
        <source>Beyond the largest number the program holds, about 3.4E+38</source>
        <translation>Supera el mayor número que admite el programa, unos 3.4E+38</translation>
    </message>
    <message>
        <source>The results of these entries are too large to show</source>
        <translation>Los resultados de estas entradas son demasiado grandes para mostrarlos</translation>
    </message>
    <message>
        <source>ABC Polar</source>
        <extracomment>A group&apos;s frame heading, 169 pixels wide at the smallest zoom: about 20 characters.</extracomment>
        <translation>ABC polar</translation>
    </message>
    <message>
        <source>Phase A magnitude</source>
        <extracomment>Fields&apos; names for screen readers, not shown: any length.</extracomment>
        <translation>Magnitud de la fase A</translation>
    </message>
    <message>
        <source>Phase A angle in degrees</source>
        <translation>Ángulo de la fase A en grados</translation>
    </message>
    <message>
        <source>Phase B magnitude</source>
        <translation>Magnitud de la fase B</translation>
    </message>
    <message>
        <source>Phase B angle in degrees</source>
        <translation>Ángulo de la fase B en grados</translation>
    </message>
    <message>
        <source>Phase C magnitude</source>
        <translation>Magnitud de la fase C</translation>
    </message>
    <message>
        <source>Phase C angle in degrees</source>
        <translation>Ángulo de la fase C en grados</translation>
    </message>
    <message>
        <source>Magnitude</source>
        <extracomment>Column headings in fixed labels about 65 pixels wide (Angle and Real: 41 to 49 pixels): keep them as short as the English.</extracomment>
        <translation>Magnitud</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Ángulo</translation>
    </message>
    <message>
        <source>ABC Rectangular</source>
        <translation>ABC rectangular</translation>
    </message>
    <message>
        <source>Phase A real part</source>
        <translation>Parte real de la fase A</translation>
    </message>
    <message>
        <source>Phase A imaginary part</source>
        <translation>Parte imaginaria de la fase A</translation>
    </message>
    <message>
        <source>Phase B real part</source>
        <translation>Parte real de la fase B</translation>
    </message>
    <message>
        <source>Phase B imaginary part</source>
        <translation>Parte imaginaria de la fase B</translation>
    </message>
    <message>
        <source>Phase C real part</source>
        <translation>Parte real de la fase C</translation>
    </message>
    <message>
        <source>Phase C imaginary part</source>
        <translation>Parte imaginaria de la fase C</translation>
    </message>
    <message>
        <source>Real</source>
        <translation>Real</translation>
    </message>
    <message>
        <source>Imaginary</source>
        <translation>Imaginaria</translation>
    </message>
    <message>
        <source>012 Polar</source>
        <translation>012 polar</translation>
    </message>
    <message>
        <source>Sequence 0 magnitude</source>
        <translation>Magnitud de la secuencia 0</translation>
    </message>
    <message>
        <source>Sequence 0 angle in degrees</source>
        <translation>Ángulo de la secuencia 0 en grados</translation>
    </message>
    <message>
        <source>Sequence 1 magnitude</source>
        <translation>Magnitud de la secuencia 1</translation>
    </message>
    <message>
        <source>Sequence 1 angle in degrees</source>
        <translation>Ángulo de la secuencia 1 en grados</translation>
    </message>
    <message>
        <source>Sequence 2 magnitude</source>
        <translation>Magnitud de la secuencia 2</translation>
    </message>
    <message>
        <source>Sequence 2 angle in degrees</source>
        <translation>Ángulo de la secuencia 2 en grados</translation>
    </message>
    <message>
        <source>012 Rectangular</source>
        <translation>012 rectangular</translation>
    </message>
    <message>
        <source>Sequence 0 real part</source>
        <translation>Parte real de la secuencia 0</translation>
    </message>
    <message>
        <source>Sequence 0 imaginary part</source>
        <translation>Parte imaginaria de la secuencia 0</translation>
    </message>
    <message>
        <source>Sequence 1 real part</source>
        <translation>Parte real de la secuencia 1</translation>
    </message>
    <message>
        <source>Sequence 1 imaginary part</source>
        <translation>Parte imaginaria de la secuencia 1</translation>
    </message>
    <message>
        <source>Sequence 2 real part</source>
        <translation>Parte real de la secuencia 2</translation>
    </message>
    <message>
        <source>Sequence 2 imaginary part</source>
        <translation>Parte imaginaria de la secuencia 2</translation>
    </message>
    <message>
        <source>CONVERT</source>
        <extracomment>The caption of each group&apos;s button, 137 pixels wide: about 14 capitals.</extracomment>
        <translation>CONVERTIR</translation>
    </message>
    <message>
        <source>Convert ABC polar</source>
        <translation>Convertir ABC polar</translation>
    </message>
    <message>
        <source>Convert ABC rectangular</source>
        <translation>Convertir ABC rectangular</translation>
    </message>
    <message>
        <source>Convert 012 polar</source>
        <translation>Convertir 012 polar</translation>
    </message>
    <message>
        <source>Convert 012 rectangular</source>
        <translation>Convertir 012 rectangular</translation>
    </message>
    <message>
        <source>Clear Screen</source>
        <extracomment>A button 97 by 49 pixels: two short lines at most.</extracomment>
        <translation>Borrar pantalla</translation>
    </message>
    <message>
        <source>Clear screen</source>
        <translation>Borrar pantalla</translation>
    </message>
    <message>
        <source>Memory slot 1</source>
        <extracomment>The memory buttons&apos; names for screen readers, not shown.</extracomment>
        <translation>Posición de memoria 1</translation>
    </message>
    <message>
        <source>Memory slot 2</source>
        <translation>Posición de memoria 2</translation>
    </message>
    <message>
        <source>Memory slot 3</source>
        <translation>Posición de memoria 3</translation>
    </message>
    <message>
        <source>Memory slot 4</source>
        <translation>Posición de memoria 4</translation>
    </message>
    <message>
        <source>Memory slot 5</source>
        <translation>Posición de memoria 5</translation>
    </message>
    <message>
        <source>Memory slot 6</source>
        <translation>Posición de memoria 6</translation>
    </message>
    <message>
        <source>Memory slot 7</source>
        <translation>Posición de memoria 7</translation>
    </message>
    <message>
        <source>Memory slot 8</source>
        <translation>Posición de memoria 8</translation>
    </message>
    <message>
        <source>Memory slot 9</source>
        <translation>Posición de memoria 9</translation>
    </message>
    <message>
        <source>Memory slot 10</source>
        <translation>Posición de memoria 10</translation>
    </message>
    <message>
        <source>Click Option Button to View a Case Autosaved in Wraparound Memory</source>
        <extracomment>Wrapped, centred text in a box 89 pixels wide and about seven lines high.</extracomment>
        <translation>Pulse un botón de opción para ver un caso guardado en la memoria circular</translation>
    </message>
    <message>
        <source>Positive Sequence</source>
        <extracomment>The diagrams&apos; captions, centred over them, 97 to 129 pixels wide: one line.</extracomment>
        <translation>Secuencia positiva</translation>
    </message>
    <message>
        <source>Negative Sequence</source>
        <translation>Secuencia negativa</translation>
    </message>
    <message>
        <source>Zero Sequence</source>
        <translation>Secuencia cero</translation>
    </message>
    <message>
        <source>Note - the lengths of phasors in the plots are scaled so that the longest of A, B, C has 1pu radius</source>
        <extracomment>One line under the diagrams, 713 pixels wide.</extracomment>
        <translation>Nota: los fasores de los diagramas están a escala para que el más largo de A, B, C tenga radio 1 pu</translation>
    </message>
    <message>
        <source>Trivane, symmetrical components calculator</source>
        <translation>Trivane, calculadora de componentes simétricas</translation>
    </message>
</context>
<context>
    <name>FormActions</name>
    <message>
        <source>Copy Results</source>
        <translation>Copiar resultados</translation>
    </message>
    <message>
        <source>Save Results As…</source>
        <translation>Guardar resultados como…</translation>
    </message>
    <message>
        <source>Copy Diagrams</source>
        <translation>Copiar diagramas</translation>
    </message>
    <message>
        <source>Save Diagrams As…</source>
        <translation>Guardar diagramas como…</translation>
    </message>
    <message>
        <source>Print Diagrams…</source>
        <translation>Imprimir diagramas…</translation>
    </message>
    <message>
        <source>Save Report As…</source>
        <translation>Guardar informe como…</translation>
    </message>
    <message>
        <source>Print Report…</source>
        <translation>Imprimir informe…</translation>
    </message>
    <message>
        <source>Show Reading</source>
        <translation>Mostrar análisis</translation>
    </message>
    <message>
        <source>Enter Line-to-Line Voltages…</source>
        <translation>Introducir tensiones entre fases…</translation>
    </message>
    <message>
        <source>Keep Cases Between Runs</source>
        <translation>Conservar los casos entre sesiones</translation>
    </message>
    <message>
        <source>Forget All Cases</source>
        <translation>Olvidar todos los casos</translation>
    </message>
</context>
<context>
    <name>FormHistory</name>
    <message>
        <source>Convert</source>
        <extracomment>An undo step, named in the menu as &quot;Undo %1&quot;.</extracomment>
        <translation>conversión</translation>
    </message>
    <message>
        <source>Clear Screen</source>
        <extracomment>An undo step, named in the menu as &quot;Undo %1&quot;.</extracomment>
        <translation>borrado de pantalla</translation>
    </message>
    <message>
        <source>Recall</source>
        <extracomment>An undo step, named in the menu as &quot;Undo %1&quot;.</extracomment>
        <translation>recuperación</translation>
    </message>
    <message>
        <source>Typing</source>
        <extracomment>An undo step, named in the menu as &quot;Undo %1&quot;.</extracomment>
        <translation>escritura</translation>
    </message>
    <message>
        <source>Paste</source>
        <extracomment>An undo step, named in the menu as &quot;Undo %1&quot;.</extracomment>
        <translation>pegado</translation>
    </message>
</context>
<context>
    <name>ResultsTable</name>
    <message>
        <source>Phasor</source>
        <translation>Fasor</translation>
    </message>
    <message>
        <source>Magnitude</source>
        <translation>Magnitud</translation>
    </message>
    <message>
        <source>Angle (degrees)</source>
        <translation>Ángulo (grados)</translation>
    </message>
    <message>
        <source>Real part</source>
        <translation>Parte real</translation>
    </message>
    <message>
        <source>Imaginary part</source>
        <translation>Parte imaginaria</translation>
    </message>
    <message>
        <source>no ratio</source>
        <translation>sin relación</translation>
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
        <translation>Secuencia de fases</translation>
    </message>
    <message>
        <source>the number settings could not be set</source>
        <translation>no se pudo aplicar el formato numérico</translation>
    </message>
    <message>
        <source>the workbook could not be started</source>
        <translation>no se pudo crear el libro</translation>
    </message>
    <message>
        <source>No results to save: convert a case first.</source>
        <translation>No hay resultados que guardar: convierta primero un caso.</translation>
    </message>
    <message>
        <source>Save Results As</source>
        <translation>Guardar resultados como</translation>
    </message>
    <message>
        <source>Excel workbooks (*.xlsx)</source>
        <translation>Libros de Excel (*.xlsx)</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
</context>
<context>
    <name>SaveFile</name>
    <message>
        <source>Could not write %1: %2</source>
        <extracomment>%1 is the file&apos;s path, %2 why it failed, as in &quot;the disk is full&quot;.</extracomment>
        <translation>No se pudo escribir %1: %2</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>el disco está lleno</translation>
    </message>
    <message>
        <source>the file would be too large</source>
        <translation>el archivo sería demasiado grande</translation>
    </message>
    <message>
        <source>the folder cannot be written</source>
        <translation>no se puede escribir en la carpeta</translation>
    </message>
    <message>
        <source>the file could not be written whole</source>
        <translation>el archivo no se pudo escribir completo</translation>
    </message>
</context>
<context>
    <name>ScreenReaderText</name>
    <message>
        <source>%1 %2 at %3</source>
        <extracomment>A phasor of a saved case, as &quot;A 7.25 at 0°&quot;: %1 its label, %2 its magnitude, %3 its angle.</extracomment>
        <translation>%1 %2 con ángulo %3</translation>
    </message>
    <message>
        <source>No unbalance ratio: the positive sequence is zero.</source>
        <translation>Sin relación de desequilibrio: la secuencia positiva es cero.</translation>
    </message>
    <message>
        <source>Unbalance |V2|/|V1| %1 %, |V0|/|V1| %2 %.</source>
        <extracomment>%1 and %2 are percentages.</extracomment>
        <translation>Desequilibrio |V2|/|V1| %1 %, |V0|/|V1| %2 %.</translation>
    </message>
    <message>
        <source>The set turns A-C-B: its phases rotate the other way, or two of them are swapped.</source>
        <translation>El sistema gira A-C-B: sus fases giran en sentido contrario o dos de ellas están intercambiadas.</translation>
    </message>
    <message>
        <source>|V2| and |V1| are equal within the precision held: the phase order cannot be told from them.</source>
        <translation>|V2| y |V1| son iguales dentro de la precisión disponible: no permiten determinar la secuencia de fases.</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <extracomment>A phasor as &quot;1 at −120°&quot;: %1 its magnitude, %2 its angle.</extracomment>
        <translation>%1 con ángulo %2</translation>
    </message>
    <message>
        <source>ABC polar</source>
        <extracomment>A group&apos;s name inside a sentence, as in &quot;Converted the ABC polar entries.&quot;</extracomment>
        <translation>ABC polar</translation>
    </message>
    <message>
        <source>ABC rectangular</source>
        <translation>ABC rectangular</translation>
    </message>
    <message>
        <source>012 polar</source>
        <translation>012 polar</translation>
    </message>
    <message>
        <source>012 rectangular</source>
        <translation>012 rectangular</translation>
    </message>
    <message>
        <source>Nothing is drawn yet: enter a case and press CONVERT.</source>
        <translation>Aún no hay nada dibujado: introduzca un caso y pulse CONVERTIR.</translation>
    </message>
    <message>
        <source>Nothing is drawn: the entries could not be converted.</source>
        <translation>No hay nada dibujado: las entradas no se pudieron convertir.</translation>
    </message>
    <message>
        <source>Nothing is drawn: no phase is longer than 1E-06.</source>
        <translation>No hay nada dibujado: ninguna fase supera 1E-06.</translation>
    </message>
    <message>
        <source>Four phasor diagrams at one scale: the outer circle stands for %1. Phases: A %2, B %3, C %4. Positive sequence %5, with B and C a third of a turn behind and ahead. Negative sequence %6, with B and C a third of a turn ahead and behind. Zero sequence %7.</source>
        <extracomment>%1 is the scale&apos;s magnitude; %2 to %7 are phasors as &quot;1 at −120°&quot;.</extracomment>
        <translation>Cuatro diagramas fasoriales a una misma escala: el círculo exterior representa %1. Fases: A %2, B %3, C %4. Secuencia positiva %5, con B y C un tercio de vuelta por detrás y por delante. Secuencia negativa %6, con B y C un tercio de vuelta por delante y por detrás. Secuencia cero %7.</translation>
    </message>
    <message>
        <source>Converted the %1 entries.</source>
        <extracomment>Said after a conversion; %1 is a group&apos;s name, as &quot;ABC polar&quot;.</extracomment>
        <translation>Se convirtieron las entradas de %1.</translation>
    </message>
    <message>
        <source>Not converted. %1: %2.</source>
        <extracomment>Said after a refused conversion; %1 is a field&apos;s name, %2 why it is refused.</extracomment>
        <translation>No se convirtió. %1: %2.</translation>
    </message>
    <message>
        <source>Converts the %1 entries into the three other forms and draws them</source>
        <translation>Convierte las entradas de %1 a las otras tres formas y las dibuja</translation>
    </message>
    <message>
        <source>Sets every entry to zero and converts the empty case</source>
        <translation>Pone a cero todas las entradas y convierte el caso vacío</translation>
    </message>
    <message>
        <source>Below the entry groups four phasor diagrams: phases A (black), B (red) and C (blue), then the positive, negative and zero sequence components, all at one scale on which the longest of A, B and C reaches the outer circle</source>
        <translation>Bajo los grupos de entrada, cuatro diagramas fasoriales: fases A (negro), B (rojo) y C (azul), y luego las componentes de secuencia positiva, negativa y cero, todos a una misma escala en la que el más largo de A, B y C llega al círculo exterior</translation>
    </message>
    <message>
        <source>Phasor diagrams</source>
        <translation>Diagramas fasoriales</translation>
    </message>
    <message>
        <source>Fault reading: %1.</source>
        <translation>Análisis de la falla: %1.</translation>
    </message>
    <message>
        <source>Empty: no case saved yet</source>
        <translation>Vacía: aún no hay ningún caso guardado</translation>
    </message>
    <message>
        <source>%1; the newest case</source>
        <translation>%1; el caso más reciente</translation>
    </message>
</context>
<context>
    <name>form::LineToLineDialog</name>
    <message>
        <source>The magnitude of %1 is not a number.</source>
        <translation>La magnitud de %1 no es un número.</translation>
    </message>
    <message>
        <source>The angle of %1 is not a number.</source>
        <translation>El ángulo de %1 no es un número.</translation>
    </message>
    <message>
        <source>The triangle does not close: Vab + Vbc + Vca leaves %1, more than 1 % of its longest side.</source>
        <translation>El triángulo no cierra: Vab + Vbc + Vca deja %1, más del 1 % de su lado más largo.</translation>
    </message>
    <message>
        <source>These magnitudes cannot form a triangle: no side may be longer than the other two together.</source>
        <translation>Estas magnitudes no pueden formar un triángulo: ningún lado puede ser más largo que los otros dos juntos.</translation>
    </message>
    <message>
        <source>|V2|/|V1| = %1 %</source>
        <translation>|V2|/|V1| = %1 %</translation>
    </message>
    <message>
        <source>|V2|/|V1|: no ratio, V1 is 0</source>
        <translation>|V2|/|V1|: sin relación, V1 es 0</translation>
    </message>
    <message>
        <source>u2 = %1 %, from the magnitudes alone</source>
        <translation>u2 = %1 %, solo a partir de las magnitudes</translation>
    </message>
    <message>
        <source>u2: none for three zeros</source>
        <translation>u2: no existe para tres ceros</translation>
    </message>
    <message>
        <source>V0 is shown as 0 because line-to-line values cannot give it.</source>
        <translation>V0 se muestra como 0 porque no se puede obtener de los valores entre fases.</translation>
    </message>
    <message>
        <source>magnitudes only</source>
        <translation>solo magnitudes</translation>
    </message>
    <message>
        <source>Enter Line-to-Line Voltages…</source>
        <translation>Introducir tensiones entre fases…</translation>
    </message>
    <message>
        <source>Magnitude</source>
        <translation>Magnitud</translation>
    </message>
    <message>
        <source>Angle (degrees)</source>
        <translation>Ángulo (grados)</translation>
    </message>
    <message>
        <source>Magnitude of %1</source>
        <translation>Magnitud de %1</translation>
    </message>
    <message>
        <source>Angle of %1 in degrees</source>
        <translation>Ángulo de %1 en grados</translation>
    </message>
    <message>
        <source>Enter the magnitudes of Vab, Vbc and Vca.</source>
        <translation>Introduzca las magnitudes de Vab, Vbc y Vca.</translation>
    </message>
    <message>
        <source>Enter Vab, Vbc and Vca as magnitude and angle.</source>
        <translation>Introduzca Vab, Vbc y Vca como magnitud y ángulo.</translation>
    </message>
</context>
<context>
    <name>form::ReadingRoom</name>
    <message>
        <source>Quantity</source>
        <translation>tipo de magnitud</translation>
    </message>
    <message>
        <source>Choose none, or slot 1–10.</source>
        <translation>Elija «ninguno» o una posición del 1 al 10.</translation>
    </message>
    <message>
        <source>Slot %1 holds no case: the pre-fault case stays as it was.</source>
        <translation>La posición %1 no contiene ningún caso: el caso de prefalla no cambia.</translation>
    </message>
    <message>
        <source>The vector group stays as it was.</source>
        <translation>El grupo de conexión no cambia.</translation>
    </message>
    <message>
        <source>No superimposed set: choose the pre-fault case.</source>
        <translation>Sin magnitudes superpuestas: elija el caso de prefalla.</translation>
    </message>
    <message>
        <source>Put into the Form</source>
        <translation>paso al formulario</translation>
    </message>
    <message>
        <source>Enter Line-to-Line Voltages</source>
        <translation>introducción de tensiones entre fases</translation>
    </message>
</context>
<context>
    <name>form::ReadingWindow</name>
    <message>
        <source>Put into the Form</source>
        <translation>Pasar al formulario</translation>
    </message>
    <message>
        <source>Trivane Reading</source>
        <translation>Análisis de Trivane</translation>
    </message>
    <message>
        <source>voltages</source>
        <translation>tensiones</translation>
    </message>
    <message>
        <source>currents</source>
        <translation>corrientes</translation>
    </message>
    <message>
        <source>not said</source>
        <translation>sin indicar</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>slot %1</source>
        <translation>posición %1</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Análisis</translation>
    </message>
    <message>
        <source>What the phasors are:</source>
        <translation>Los fasores son:</translation>
    </message>
    <message>
        <source>Pre-fault case: none, or slot 1–10</source>
        <translation>Caso de prefalla: ninguno o posición 1–10</translation>
    </message>
    <message>
        <source>Vector group: none, or an IEC vector group such as Dyn11, YNyn0, Yd1 or Dy5</source>
        <translation>Grupo de conexión: ninguno o un grupo IEC como Dyn11, YNyn0, Yd1 o Dy5</translation>
    </message>
</context>
</TS>
