<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>CaseKeeping</name>
    <message>
        <source>Stop keeping cases between runs and forget the kept ones?</source>
        <translation>Deixar de manter os casos entre sessões e esquecer os que foram mantidos?</translation>
    </message>
    <message>
        <source>Forget all saved cases, here and for the next runs?</source>
        <translation>Esquecer todos os casos salvos, aqui e nas próximas sessões?</translation>
    </message>
</context>
<context>
    <name>CaseMemory</name>
    <message>
        <source>Cases are kept for this run only: %1.</source>
        <extracomment>A notice; %1 is why, in English as standard error has it.</extracomment>
        <translation>Os casos são mantidos apenas nesta sessão: %1.</translation>
    </message>
    <message>
        <source>The kept cases could not be deleted: %1.</source>
        <translation>Não foi possível excluir os casos mantidos: %1.</translation>
    </message>
    <message>
        <source>The saved cases could not be read; cases are kept for this run only.</source>
        <translation>Não foi possível ler os casos salvos; os casos são mantidos apenas nesta sessão.</translation>
    </message>
    <message>
        <source>The saved cases could not be forgotten: %1.</source>
        <translation>Não foi possível esquecer os casos salvos: %1.</translation>
    </message>
    <message>
        <source>The saved cases could not all be read.</source>
        <translation>Não foi possível ler todos os casos salvos.</translation>
    </message>
    <message>
        <source>The saved cases could not all be read; the file is kept as %1.</source>
        <extracomment>%1 is a file name, as &quot;cases.json.damaged-20260101-120000&quot;.</extracomment>
        <translation>Não foi possível ler todos os casos salvos; o arquivo foi mantido como %1.</translation>
    </message>
    <message>
        <source>The kept cases were written by a newer version of Trivane; cases are kept for this run only.</source>
        <translation>Os casos mantidos foram gravados por uma versão mais recente do Trivane; os casos são mantidos apenas nesta sessão.</translation>
    </message>
</context>
<context>
    <name>CaseReading</name>
    <message>
        <source>A–ground</source>
        <translation>A–terra</translation>
    </message>
    <message>
        <source>B–ground</source>
        <translation>B–terra</translation>
    </message>
    <message>
        <source>C–ground</source>
        <translation>C–terra</translation>
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
        <translation>A–B–terra</translation>
    </message>
    <message>
        <source>B–C–ground</source>
        <translation>B–C–terra</translation>
    </message>
    <message>
        <source>C–A–ground</source>
        <translation>C–A–terra</translation>
    </message>
    <message>
        <source>A–B–C</source>
        <translation>A–B–C</translation>
    </message>
    <message>
        <source>Looks like an %1 fault</source>
        <translation>Parece uma falta %1</translation>
    </message>
    <message>
        <source>Looks like a %1 fault</source>
        <translation>Parece uma falta %1</translation>
    </message>
    <message>
        <source>A and B</source>
        <translation>A e B</translation>
    </message>
    <message>
        <source>B and C</source>
        <translation>B e C</translation>
    </message>
    <message>
        <source>C and A</source>
        <translation>C e A</translation>
    </message>
    <message>
        <source>A, B and C</source>
        <translation>A, B e C</translation>
    </message>
    <message>
        <source>Ground: 3|I0| is %1 % of |Ia| + |Ib| + |Ic|, above 10 %.</source>
        <translation>Terra: 3|I0| é %1 % de |Ia| + |Ib| + |Ic|, acima de 10 %.</translation>
    </message>
    <message>
        <source>No ground: 3|I0| is %1 % of |Ia| + |Ib| + |Ic|, at most 10 %.</source>
        <translation>Sem terra: 3|I0| é %1 % de |Ia| + |Ib| + |Ic|, no máximo 10 %.</translation>
    </message>
    <message>
        <source>Sector: the angle of I0/I2 is %1, in the sector of phase %2.</source>
        <translation>Setor: o ângulo de I0/I2 é %1, no setor da fase %2.</translation>
    </message>
    <message>
        <source>I2 against I1: the angle of I2/I1 is %1, %2 in phase %3&apos;s reference: within ±90°, a single-phase fault.</source>
        <translation>I2 em relação a I1: o ângulo de I2/I1 é %1, %2 na referência da fase %3: dentro de ±90°, uma falta monofásica.</translation>
    </message>
    <message>
        <source>I2 against I1: the angle of I2/I1 is %1, %2 in phase %3&apos;s reference: beyond ±90°, a two-phase-to-ground fault.</source>
        <translation>I2 em relação a I1: o ângulo de I2/I1 é %1, %2 na referência da fase %3: além de ±90°, uma falta bifásica à terra.</translation>
    </message>
    <message>
        <source>I2 against I1: the angle of I2/I1 is %1, nearest the %2 centre (%3).</source>
        <translation>I2 em relação a I1: o ângulo de I2/I1 é %1, mais próximo do centro de %2 (%3).</translation>
    </message>
    <message>
        <source>I2 against I1: the angle of I2/I1 is %1, nearer a single-phase centre (0°, ±120°).</source>
        <translation>I2 em relação a I1: o ângulo de I2/I1 é %1, mais próximo de um centro monofásico (0°, ±120°).</translation>
    </message>
    <message>
        <source>The current: carried by %1 (|Ia| %2, |Ib| %3, |Ic| %4).</source>
        <translation>A corrente: circula por %1 (|Ia| %2, |Ib| %3, |Ic| %4).</translation>
    </message>
    <message>
        <source>“%1” is not a vector group: </source>
        <translation>“%1” não é um grupo de ligação: </translation>
    </message>
    <message>
        <source>it starts with Y, YN, D, Z or ZN.</source>
        <translation>começa com Y, YN, D, Z ou ZN.</translation>
    </message>
    <message>
        <source>the first winding is followed by y, yn, d, z or zn.</source>
        <translation>após o primeiro enrolamento vem y, yn, d, z ou zn.</translation>
    </message>
    <message>
        <source>a delta winding has no neutral.</source>
        <translation>um enrolamento em triângulo não tem neutro.</translation>
    </message>
    <message>
        <source>the clock number, 0 to 11, follows the windings.</source>
        <translation>após os enrolamentos vem o índice horário, de 0 a 11.</translation>
    </message>
    <message>
        <source>the clock number is 0 to 11.</source>
        <translation>o índice horário vai de 0 a 11.</translation>
    </message>
    <message>
        <source>Yy, Dd, Zz, Dz and Zd take even clock numbers; Yd, Dy, Yz and Zy odd ones.</source>
        <translation>Yy, Dd, Zz, Dz e Zd têm índices horários pares; Yd, Dy, Yz e Zy, ímpares.</translation>
    </message>
    <message>
        <source>nothing follows the clock number.</source>
        <translation>nada vem após o índice horário.</translation>
    </message>
    <message>
        <source>Slot %1 holds no case.</source>
        <translation>A posição %1 não contém nenhum caso.</translation>
    </message>
    <message>
        <source>Slot %1&apos;s case does not convert.</source>
        <translation>O caso da posição %1 não pode ser convertido.</translation>
    </message>
    <message>
        <source>No superimposed set: this case is currents and slot %1 holds voltages.</source>
        <translation>Sem grandezas superpostas: este caso é de correntes e a posição %1 contém tensões.</translation>
    </message>
    <message>
        <source>No superimposed set: this case is voltages and slot %1 holds currents.</source>
        <translation>Sem grandezas superpostas: este caso é de tensões e a posição %1 contém correntes.</translation>
    </message>
    <message>
        <source>No current: every phase is within the resolution of the computation.</source>
        <translation>Sem corrente: todas as fases estão dentro da resolução do cálculo.</translation>
    </message>
    <message>
        <source>cannot tell: the change is small against the load</source>
        <translation>indeterminado: a variação é pequena em relação à carga</translation>
    </message>
    <message>
        <source>cannot tell: zero sequence only</source>
        <translation>indeterminado: somente sequência zero</translation>
    </message>
    <message>
        <source>No verdict: a three-phase fault and plain load look alike; choose the pre-fault case</source>
        <translation>Sem veredito: uma falta trifásica e uma carga comum se parecem; escolha o caso de pré-falta</translation>
    </message>
    <message>
        <source>cannot tell: the change is balanced, but not all three phases carry it</source>
        <translation>indeterminado: a variação é equilibrada, mas não aparece nas três fases</translation>
    </message>
    <message>
        <source>cannot tell: I1 or I2 is too small for its angle to say anything</source>
        <translation>indeterminado: I1 ou I2 é pequena demais para que seu ângulo indique algo</translation>
    </message>
    <message>
        <source>cannot tell: there is no ground current, but I2 against I1 points at one phase; a phase-to-phase fault beyond a delta-star transformer looks like this (currents about 1 : 2 : 1)</source>
        <translation>indeterminado: não há corrente de terra, mas I2 em relação a I1 aponta para uma fase; assim aparece uma falta fase-fase além de um transformador triângulo-estrela (correntes de cerca de 1 : 2 : 1)</translation>
    </message>
    <message>
        <source>cannot tell: the angles say %1, the magnitudes say %2</source>
        <translation>indeterminado: os ângulos indicam %1, os módulos indicam %2</translation>
    </message>
    <message>
        <source>Nothing is converted: convert a case in the form to read it.</source>
        <translation>Nada foi convertido: converta um caso no formulário para analisá-lo.</translation>
    </message>
    <message>
        <source>The phasors are voltages.</source>
        <translation>Os fasores são tensões.</translation>
    </message>
    <message>
        <source>The phasors are currents.</source>
        <translation>Os fasores são correntes.</translation>
    </message>
    <message>
        <source>What the phasors are is not said.</source>
        <translation>Não foi indicado o que são os fasores.</translation>
    </message>
    <message>
        <source>Relay quantities</source>
        <translation>Grandezas do relé</translation>
    </message>
    <message>
        <source>No ratios: %1 is 0.</source>
        <translation>Sem relações: %1 é 0.</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nenhum</translation>
    </message>
    <message>
        <source>Angle of %1/%2: %3, angle of %4/%1: %5</source>
        <translation>Ângulo de %1/%2: %3, ângulo de %4/%1: %5</translation>
    </message>
    <message>
        <source>Line to line: %1</source>
        <translation>Tensões de linha: %1</translation>
    </message>
    <message>
        <source>Superimposed set: this case less slot %1</source>
        <translation>Grandezas superpostas: este caso menos a posição %1</translation>
    </message>
    <message>
        <source>no change</source>
        <translation>sem variação</translation>
    </message>
    <message>
        <source>Both cases must share one angle reference: one record, whole cycles apart.</source>
        <translation>Os dois casos devem ter a mesma referência angular: um mesmo registro, a ciclos inteiros de distância.</translation>
    </message>
    <message>
        <source>Fault reading</source>
        <translation>Análise da falta</translation>
    </message>
    <message>
        <source>Only currents are read for a fault.</source>
        <translation>Para uma falta, só as correntes são analisadas.</translation>
    </message>
    <message>
        <source>the pre-fault load is not removed</source>
        <translation>a carga de pré-falta não é descontada</translation>
    </message>
    <message>
        <source>Through %1, IEC clock number %2: the other winding, per unit of the ratio</source>
        <translation>Através de %1, índice horário IEC %2: o outro enrolamento, em por unidade da relação</translation>
    </message>
    <message>
        <source>The zero sequence does not pass this transformer.</source>
        <translation>A sequência zero não atravessa este transformador.</translation>
    </message>
    <message>
        <source>Delta %1</source>
        <extracomment>A row of the superimposed set in the results table; %1 is A, B, C, X0, X1 or X2.</extracomment>
        <translation>Delta %1</translation>
    </message>
    <message>
        <source>Other winding %1</source>
        <extracomment>A row of the transformer&apos;s other winding in the results table; %1 is A, B, C, X0, X1 or X2.</extracomment>
        <translation>Outro enrolamento %1</translation>
    </message>
    <message>
        <source>Fault</source>
        <translation>Falta</translation>
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
        <translation>Módulo</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Ângulo</translation>
    </message>
    <message>
        <source>ABC Rectangular</source>
        <translation>ABC retangular</translation>
    </message>
    <message>
        <source>Real</source>
        <translation>Real</translation>
    </message>
    <message>
        <source>Imaginary</source>
        <translation>Imaginária</translation>
    </message>
    <message>
        <source>012 Polar</source>
        <translation>012 polar</translation>
    </message>
    <message>
        <source>012 Rectangular</source>
        <translation>012 retangular</translation>
    </message>
    <message>
        <source>Note:</source>
        <translation>Observação:</translation>
    </message>
    <message>
        <source>The case as typed</source>
        <translation>O caso como foi digitado</translation>
    </message>
    <message>
        <source>The four groups</source>
        <translation>Os quatro grupos</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Análise</translation>
    </message>
    <message>
        <source>Trivane case report</source>
        <translation>Relatório de caso do Trivane</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Relatório</translation>
    </message>
    <message>
        <source>A note for the report (optional, one line):</source>
        <translation>Uma observação para o relatório (opcional, uma linha):</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Observação</translation>
    </message>
    <message>
        <source>Save Report As</source>
        <translation>Salvar relatório como</translation>
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
            <numerusform>%n linha</numerusform>
            <numerusform>%n linhas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n columns</source>
        <translation>
            <numerusform>%n coluna</numerusform>
            <numerusform>%n colunas</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and %2 did not fit the group</source>
        <extracomment>A notice after a paste; %1 is &quot;2 rows&quot;, %2 is &quot;1 column&quot;.</extracomment>
        <translation>%1 e %2 ficaram fora do grupo</translation>
    </message>
    <message>
        <source>%1 did not fit the group</source>
        <extracomment>A notice after a paste; %1 is &quot;2 rows&quot; or &quot;1 column&quot;.</extracomment>
        <translation>Ficou fora do grupo: %1</translation>
    </message>
</context>
<context>
    <name>DiagramOutputs</name>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Imagem PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>Desenho SVG (*.svg)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Documento PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Trivane phasor diagrams</source>
        <translation>Diagramas fasoriais do Trivane</translation>
    </message>
    <message>
        <source>Diagrams are saved as PNG, SVG or PDF: %1 names none of them.</source>
        <extracomment>%1 is the file&apos;s path.</extracomment>
        <translation>Os diagramas são salvos como PNG, SVG ou PDF: %1 não indica nenhum deles.</translation>
    </message>
    <message>
        <source>Save Diagrams As</source>
        <translation>Salvar diagramas como</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Not a number</source>
        <extracomment>Why a field&apos;s entry is refused: its tooltip, and what a screen reader hears of it.</extracomment>
        <translation>Não é um número</translation>
    </message>
    <message>
        <source>Beyond the largest number the program holds, about 3.4E+38</source>
        <translation>Acima do maior número que o programa aceita, cerca de 3.4E+38</translation>
    </message>
    <message>
        <source>The results of these entries are too large to show</source>
        <translation>Os resultados destas entradas são grandes demais para serem exibidos</translation>
    </message>
    <message>
        <source>ABC Polar</source>
        <extracomment>A group&apos;s frame heading, 169 pixels wide at the smallest zoom: about 20 characters.</extracomment>
        <translation>ABC polar</translation>
    </message>
    <message>
        <source>Phase A magnitude</source>
        <extracomment>Fields&apos; names for screen readers, not shown: any length.</extracomment>
        <translation>Módulo da fase A</translation>
    </message>
    <message>
        <source>Phase A angle in degrees</source>
        <translation>Ângulo da fase A em graus</translation>
    </message>
    <message>
        <source>Phase B magnitude</source>
        <translation>Módulo da fase B</translation>
    </message>
    <message>
        <source>Phase B angle in degrees</source>
        <translation>Ângulo da fase B em graus</translation>
    </message>
    <message>
        <source>Phase C magnitude</source>
        <translation>Módulo da fase C</translation>
    </message>
    <message>
        <source>Phase C angle in degrees</source>
        <translation>Ângulo da fase C em graus</translation>
    </message>
    <message>
        <source>Magnitude</source>
        <extracomment>Column headings in fixed labels about 65 pixels wide (Angle and Real: 41 to 49 pixels): keep them as short as the English.</extracomment>
        <translation>Módulo</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Ângulo</translation>
    </message>
    <message>
        <source>ABC Rectangular</source>
        <translation>ABC retangular</translation>
    </message>
    <message>
        <source>Phase A real part</source>
        <translation>Parte real da fase A</translation>
    </message>
    <message>
        <source>Phase A imaginary part</source>
        <translation>Parte imaginária da fase A</translation>
    </message>
    <message>
        <source>Phase B real part</source>
        <translation>Parte real da fase B</translation>
    </message>
    <message>
        <source>Phase B imaginary part</source>
        <translation>Parte imaginária da fase B</translation>
    </message>
    <message>
        <source>Phase C real part</source>
        <translation>Parte real da fase C</translation>
    </message>
    <message>
        <source>Phase C imaginary part</source>
        <translation>Parte imaginária da fase C</translation>
    </message>
    <message>
        <source>Real</source>
        <translation>Real</translation>
    </message>
    <message>
        <source>Imaginary</source>
        <translation>Imaginária</translation>
    </message>
    <message>
        <source>012 Polar</source>
        <translation>012 polar</translation>
    </message>
    <message>
        <source>Sequence 0 magnitude</source>
        <translation>Módulo da sequência 0</translation>
    </message>
    <message>
        <source>Sequence 0 angle in degrees</source>
        <translation>Ângulo da sequência 0 em graus</translation>
    </message>
    <message>
        <source>Sequence 1 magnitude</source>
        <translation>Módulo da sequência 1</translation>
    </message>
    <message>
        <source>Sequence 1 angle in degrees</source>
        <translation>Ângulo da sequência 1 em graus</translation>
    </message>
    <message>
        <source>Sequence 2 magnitude</source>
        <translation>Módulo da sequência 2</translation>
    </message>
    <message>
        <source>Sequence 2 angle in degrees</source>
        <translation>Ângulo da sequência 2 em graus</translation>
    </message>
    <message>
        <source>012 Rectangular</source>
        <translation>012 retangular</translation>
    </message>
    <message>
        <source>Sequence 0 real part</source>
        <translation>Parte real da sequência 0</translation>
    </message>
    <message>
        <source>Sequence 0 imaginary part</source>
        <translation>Parte imaginária da sequência 0</translation>
    </message>
    <message>
        <source>Sequence 1 real part</source>
        <translation>Parte real da sequência 1</translation>
    </message>
    <message>
        <source>Sequence 1 imaginary part</source>
        <translation>Parte imaginária da sequência 1</translation>
    </message>
    <message>
        <source>Sequence 2 real part</source>
        <translation>Parte real da sequência 2</translation>
    </message>
    <message>
        <source>Sequence 2 imaginary part</source>
        <translation>Parte imaginária da sequência 2</translation>
    </message>
    <message>
        <source>CONVERT</source>
        <extracomment>The caption of each group&apos;s button, 137 pixels wide: about 14 capitals.</extracomment>
        <translation>CONVERTER</translation>
    </message>
    <message>
        <source>Convert ABC polar</source>
        <translation>Converter ABC polar</translation>
    </message>
    <message>
        <source>Convert ABC rectangular</source>
        <translation>Converter ABC retangular</translation>
    </message>
    <message>
        <source>Convert 012 polar</source>
        <translation>Converter 012 polar</translation>
    </message>
    <message>
        <source>Convert 012 rectangular</source>
        <translation>Converter 012 retangular</translation>
    </message>
    <message>
        <source>Clear Screen</source>
        <extracomment>A button 97 by 49 pixels: two short lines at most.</extracomment>
        <translation>Limpar tela</translation>
    </message>
    <message>
        <source>Clear screen</source>
        <translation>Limpar tela</translation>
    </message>
    <message>
        <source>Memory slot 1</source>
        <extracomment>The memory buttons&apos; names for screen readers, not shown.</extracomment>
        <translation>Posição de memória 1</translation>
    </message>
    <message>
        <source>Memory slot 2</source>
        <translation>Posição de memória 2</translation>
    </message>
    <message>
        <source>Memory slot 3</source>
        <translation>Posição de memória 3</translation>
    </message>
    <message>
        <source>Memory slot 4</source>
        <translation>Posição de memória 4</translation>
    </message>
    <message>
        <source>Memory slot 5</source>
        <translation>Posição de memória 5</translation>
    </message>
    <message>
        <source>Memory slot 6</source>
        <translation>Posição de memória 6</translation>
    </message>
    <message>
        <source>Memory slot 7</source>
        <translation>Posição de memória 7</translation>
    </message>
    <message>
        <source>Memory slot 8</source>
        <translation>Posição de memória 8</translation>
    </message>
    <message>
        <source>Memory slot 9</source>
        <translation>Posição de memória 9</translation>
    </message>
    <message>
        <source>Memory slot 10</source>
        <translation>Posição de memória 10</translation>
    </message>
    <message>
        <source>Click Option Button to View a Case Autosaved in Wraparound Memory</source>
        <extracomment>Wrapped, centred text in a box 89 pixels wide and about seven lines high.</extracomment>
        <translation>Clique em um botão de opção para ver um caso salvo na memória circular</translation>
    </message>
    <message>
        <source>Positive Sequence</source>
        <extracomment>The diagrams&apos; captions, centred over them, 97 to 129 pixels wide: one line.</extracomment>
        <translation>Sequência positiva</translation>
    </message>
    <message>
        <source>Negative Sequence</source>
        <translation>Sequência negativa</translation>
    </message>
    <message>
        <source>Zero Sequence</source>
        <translation>Sequência zero</translation>
    </message>
    <message>
        <source>Note - the lengths of phasors in the plots are scaled so that the longest of A, B, C has 1pu radius</source>
        <extracomment>One line under the diagrams, 713 pixels wide.</extracomment>
        <translation>Observação: os fasores dos diagramas estão em escala para que o maior de A, B, C tenha raio de 1 pu</translation>
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
        <translation>Salvar resultados como…</translation>
    </message>
    <message>
        <source>Copy Diagrams</source>
        <translation>Copiar diagramas</translation>
    </message>
    <message>
        <source>Save Diagrams As…</source>
        <translation>Salvar diagramas como…</translation>
    </message>
    <message>
        <source>Print Diagrams…</source>
        <translation>Imprimir diagramas…</translation>
    </message>
    <message>
        <source>Save Report As…</source>
        <translation>Salvar relatório como…</translation>
    </message>
    <message>
        <source>Print Report…</source>
        <translation>Imprimir relatório…</translation>
    </message>
    <message>
        <source>Show Reading</source>
        <translation>Mostrar análise</translation>
    </message>
    <message>
        <source>Enter Line-to-Line Voltages…</source>
        <translation>Inserir tensões de linha…</translation>
    </message>
    <message>
        <source>Keep Cases Between Runs</source>
        <translation>Manter os casos entre sessões</translation>
    </message>
    <message>
        <source>Forget All Cases</source>
        <translation>Esquecer todos os casos</translation>
    </message>
</context>
<context>
    <name>FormHistory</name>
    <message>
        <source>Convert</source>
        <extracomment>An undo step, named in the menu as &quot;Undo %1&quot;.</extracomment>
        <translation>conversão</translation>
    </message>
    <message>
        <source>Clear Screen</source>
        <extracomment>An undo step, named in the menu as &quot;Undo %1&quot;.</extracomment>
        <translation>limpeza de tela</translation>
    </message>
    <message>
        <source>Recall</source>
        <extracomment>An undo step, named in the menu as &quot;Undo %1&quot;.</extracomment>
        <translation>recuperação</translation>
    </message>
    <message>
        <source>Typing</source>
        <extracomment>An undo step, named in the menu as &quot;Undo %1&quot;.</extracomment>
        <translation>digitação</translation>
    </message>
    <message>
        <source>Paste</source>
        <extracomment>An undo step, named in the menu as &quot;Undo %1&quot;.</extracomment>
        <translation>colagem</translation>
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
        <translation>Módulo</translation>
    </message>
    <message>
        <source>Angle (degrees)</source>
        <translation>Ângulo (graus)</translation>
    </message>
    <message>
        <source>Real part</source>
        <translation>Parte real</translation>
    </message>
    <message>
        <source>Imaginary part</source>
        <translation>Parte imaginária</translation>
    </message>
    <message>
        <source>no ratio</source>
        <translation>sem relação</translation>
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
        <translation>Sequência de fases</translation>
    </message>
    <message>
        <source>the number settings could not be set</source>
        <translation>não foi possível aplicar o formato numérico</translation>
    </message>
    <message>
        <source>the workbook could not be started</source>
        <translation>não foi possível criar a pasta de trabalho</translation>
    </message>
    <message>
        <source>No results to save: convert a case first.</source>
        <translation>Não há resultados para salvar: converta um caso primeiro.</translation>
    </message>
    <message>
        <source>Save Results As</source>
        <translation>Salvar resultados como</translation>
    </message>
    <message>
        <source>Excel workbooks (*.xlsx)</source>
        <translation>Pastas de trabalho do Excel (*.xlsx)</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Arquivos CSV (*.csv)</translation>
    </message>
</context>
<context>
    <name>SaveFile</name>
    <message>
        <source>Could not write %1: %2</source>
        <extracomment>%1 is the file&apos;s path, %2 why it failed, as in &quot;the disk is full&quot;.</extracomment>
        <translation>Não foi possível gravar %1: %2</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>o disco está cheio</translation>
    </message>
    <message>
        <source>the file would be too large</source>
        <translation>o arquivo ficaria grande demais</translation>
    </message>
    <message>
        <source>the folder cannot be written</source>
        <translation>não é possível gravar na pasta</translation>
    </message>
    <message>
        <source>the file could not be written whole</source>
        <translation>não foi possível gravar o arquivo inteiro</translation>
    </message>
</context>
<context>
    <name>ScreenReaderText</name>
    <message>
        <source>%1 %2 at %3</source>
        <extracomment>A phasor of a saved case, as &quot;A 7.25 at 0°&quot;: %1 its label, %2 its magnitude, %3 its angle.</extracomment>
        <translation>%1 %2 com ângulo %3</translation>
    </message>
    <message>
        <source>No unbalance ratio: the positive sequence is zero.</source>
        <translation>Sem relação de desequilíbrio: a sequência positiva é zero.</translation>
    </message>
    <message>
        <source>Unbalance |V2|/|V1| %1 %, |V0|/|V1| %2 %.</source>
        <extracomment>%1 and %2 are percentages.</extracomment>
        <translation>Desequilíbrio |V2|/|V1| %1 %, |V0|/|V1| %2 %.</translation>
    </message>
    <message>
        <source>The set turns A-C-B: its phases rotate the other way, or two of them are swapped.</source>
        <translation>O sistema gira A-C-B: suas fases giram no sentido contrário, ou duas delas estão trocadas.</translation>
    </message>
    <message>
        <source>|V2| and |V1| are equal within the precision held: the phase order cannot be told from them.</source>
        <translation>|V2| e |V1| são iguais dentro da precisão disponível: não permitem determinar a sequência de fases.</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <extracomment>A phasor as &quot;1 at −120°&quot;: %1 its magnitude, %2 its angle.</extracomment>
        <translation>%1 com ângulo %2</translation>
    </message>
    <message>
        <source>ABC polar</source>
        <extracomment>A group&apos;s name inside a sentence, as in &quot;Converted the ABC polar entries.&quot;</extracomment>
        <translation>ABC polar</translation>
    </message>
    <message>
        <source>ABC rectangular</source>
        <translation>ABC retangular</translation>
    </message>
    <message>
        <source>012 polar</source>
        <translation>012 polar</translation>
    </message>
    <message>
        <source>012 rectangular</source>
        <translation>012 retangular</translation>
    </message>
    <message>
        <source>Nothing is drawn yet: enter a case and press CONVERT.</source>
        <translation>Nada foi desenhado ainda: insira um caso e pressione CONVERTER.</translation>
    </message>
    <message>
        <source>Nothing is drawn: the entries could not be converted.</source>
        <translation>Nada foi desenhado: não foi possível converter as entradas.</translation>
    </message>
    <message>
        <source>Nothing is drawn: no phase is longer than 1E-06.</source>
        <translation>Nada foi desenhado: nenhuma fase é maior que 1E-06.</translation>
    </message>
    <message>
        <source>Four phasor diagrams at one scale: the outer circle stands for %1. Phases: A %2, B %3, C %4. Positive sequence %5, with B and C a third of a turn behind and ahead. Negative sequence %6, with B and C a third of a turn ahead and behind. Zero sequence %7.</source>
        <extracomment>%1 is the scale&apos;s magnitude; %2 to %7 are phasors as &quot;1 at −120°&quot;.</extracomment>
        <translation>Quatro diagramas fasoriais na mesma escala: o círculo externo representa %1. Fases: A %2, B %3, C %4. Sequência positiva %5, com B e C um terço de volta atrás e à frente. Sequência negativa %6, com B e C um terço de volta à frente e atrás. Sequência zero %7.</translation>
    </message>
    <message>
        <source>Converted the %1 entries.</source>
        <extracomment>Said after a conversion; %1 is a group&apos;s name, as &quot;ABC polar&quot;.</extracomment>
        <translation>As entradas de %1 foram convertidas.</translation>
    </message>
    <message>
        <source>Not converted. %1: %2.</source>
        <extracomment>Said after a refused conversion; %1 is a field&apos;s name, %2 why it is refused.</extracomment>
        <translation>Não convertido. %1: %2.</translation>
    </message>
    <message>
        <source>Converts the %1 entries into the three other forms and draws them</source>
        <translation>Converte as entradas de %1 nas outras três formas e as desenha</translation>
    </message>
    <message>
        <source>Sets every entry to zero and converts the empty case</source>
        <translation>Zera todas as entradas e converte o caso vazio</translation>
    </message>
    <message>
        <source>Below the entry groups four phasor diagrams: phases A (black), B (red) and C (blue), then the positive, negative and zero sequence components, all at one scale on which the longest of A, B and C reaches the outer circle</source>
        <translation>Abaixo dos grupos de entrada, quatro diagramas fasoriais: fases A (preto), B (vermelho) e C (azul), depois as componentes de sequência positiva, negativa e zero, todos na mesma escala, em que o maior de A, B e C alcança o círculo externo</translation>
    </message>
    <message>
        <source>Phasor diagrams</source>
        <translation>Diagramas fasoriais</translation>
    </message>
    <message>
        <source>Fault reading: %1.</source>
        <translation>Análise da falta: %1.</translation>
    </message>
    <message>
        <source>Empty: no case saved yet</source>
        <translation>Vazia: nenhum caso salvo ainda</translation>
    </message>
    <message>
        <source>%1; the newest case</source>
        <translation>%1; o caso mais recente</translation>
    </message>
</context>
<context>
    <name>form::LineToLineDialog</name>
    <message>
        <source>The magnitude of %1 is not a number.</source>
        <translation>O módulo de %1 não é um número.</translation>
    </message>
    <message>
        <source>The angle of %1 is not a number.</source>
        <translation>O ângulo de %1 não é um número.</translation>
    </message>
    <message>
        <source>The triangle does not close: Vab + Vbc + Vca leaves %1, more than 1 % of its longest side.</source>
        <translation>O triângulo não fecha: Vab + Vbc + Vca deixa %1, mais de 1 % do seu maior lado.</translation>
    </message>
    <message>
        <source>These magnitudes cannot form a triangle: no side may be longer than the other two together.</source>
        <translation>Estes módulos não podem formar um triângulo: nenhum lado pode ser maior que os outros dois somados.</translation>
    </message>
    <message>
        <source>|V2|/|V1| = %1 %</source>
        <translation>|V2|/|V1| = %1 %</translation>
    </message>
    <message>
        <source>|V2|/|V1|: no ratio, V1 is 0</source>
        <translation>|V2|/|V1|: sem relação, V1 é 0</translation>
    </message>
    <message>
        <source>u2 = %1 %, from the magnitudes alone</source>
        <translation>u2 = %1 %, apenas a partir dos módulos</translation>
    </message>
    <message>
        <source>u2: none for three zeros</source>
        <translation>u2: não existe para três zeros</translation>
    </message>
    <message>
        <source>V0 is shown as 0 because line-to-line values cannot give it.</source>
        <translation>V0 é mostrada como 0 porque não pode ser obtida dos valores de linha.</translation>
    </message>
    <message>
        <source>magnitudes only</source>
        <translation>somente módulos</translation>
    </message>
    <message>
        <source>Enter Line-to-Line Voltages…</source>
        <translation>Inserir tensões de linha…</translation>
    </message>
    <message>
        <source>Magnitude</source>
        <translation>Módulo</translation>
    </message>
    <message>
        <source>Angle (degrees)</source>
        <translation>Ângulo (graus)</translation>
    </message>
    <message>
        <source>Magnitude of %1</source>
        <translation>Módulo de %1</translation>
    </message>
    <message>
        <source>Angle of %1 in degrees</source>
        <translation>Ângulo de %1 em graus</translation>
    </message>
    <message>
        <source>Enter the magnitudes of Vab, Vbc and Vca.</source>
        <translation>Insira os módulos de Vab, Vbc e Vca.</translation>
    </message>
    <message>
        <source>Enter Vab, Vbc and Vca as magnitude and angle.</source>
        <translation>Insira Vab, Vbc e Vca como módulo e ângulo.</translation>
    </message>
</context>
<context>
    <name>form::ReadingRoom</name>
    <message>
        <source>Quantity</source>
        <translation>tipo de grandeza</translation>
    </message>
    <message>
        <source>Choose none, or slot 1–10.</source>
        <translation>Escolha “nenhum” ou uma posição de 1 a 10.</translation>
    </message>
    <message>
        <source>Slot %1 holds no case: the pre-fault case stays as it was.</source>
        <translation>A posição %1 não contém nenhum caso: o caso de pré-falta não muda.</translation>
    </message>
    <message>
        <source>The vector group stays as it was.</source>
        <translation>O grupo de ligação não muda.</translation>
    </message>
    <message>
        <source>No superimposed set: choose the pre-fault case.</source>
        <translation>Sem grandezas superpostas: escolha o caso de pré-falta.</translation>
    </message>
    <message>
        <source>Put into the Form</source>
        <translation>passagem para o formulário</translation>
    </message>
    <message>
        <source>Enter Line-to-Line Voltages</source>
        <translation>inserção de tensões de linha</translation>
    </message>
</context>
<context>
    <name>form::ReadingWindow</name>
    <message>
        <source>Put into the Form</source>
        <translation>Passar para o formulário</translation>
    </message>
    <message>
        <source>Trivane Reading</source>
        <translation>Análise do Trivane</translation>
    </message>
    <message>
        <source>voltages</source>
        <translation>tensões</translation>
    </message>
    <message>
        <source>currents</source>
        <translation>correntes</translation>
    </message>
    <message>
        <source>not said</source>
        <translation>não indicado</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nenhum</translation>
    </message>
    <message>
        <source>slot %1</source>
        <translation>posição %1</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Análise</translation>
    </message>
    <message>
        <source>What the phasors are:</source>
        <translation>Os fasores são:</translation>
    </message>
    <message>
        <source>Pre-fault case: none, or slot 1–10</source>
        <translation>Caso de pré-falta: nenhum ou posição 1–10</translation>
    </message>
    <message>
        <source>Vector group: none, or an IEC vector group such as Dyn11, YNyn0, Yd1 or Dy5</source>
        <translation>Grupo de ligação: nenhum ou um grupo IEC, como Dyn11, YNyn0, Yd1 ou Dy5</translation>
    </message>
</context>
</TS>
