<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>CaseKeeping</name>
    <message>
        <source>Stop keeping cases between runs and forget the kept ones?</source>
        <translation>不再在两次运行之间保留算例，并删除已保留的算例？</translation>
    </message>
    <message>
        <source>Forget all saved cases, here and for the next runs?</source>
        <translation>删除所有已保存的算例，包括本次和以后的运行？</translation>
    </message>
</context>
<context>
    <name>CaseMemory</name>
    <message>
        <source>Cases are kept for this run only: %1.</source>
        <extracomment>A notice; %1 is why, in English as standard error has it.</extracomment>
        <translation>算例仅在本次运行中保留：%1。</translation>
    </message>
    <message>
        <source>The kept cases could not be deleted: %1.</source>
        <translation>无法删除已保留的算例：%1。</translation>
    </message>
    <message>
        <source>The saved cases could not be read; cases are kept for this run only.</source>
        <translation>无法读取已保存的算例；算例仅在本次运行中保留。</translation>
    </message>
    <message>
        <source>The saved cases could not be forgotten: %1.</source>
        <translation>无法删除已保存的算例：%1。</translation>
    </message>
    <message>
        <source>The saved cases could not all be read.</source>
        <translation>部分已保存的算例无法读取。</translation>
    </message>
    <message>
        <source>The saved cases could not all be read; the file is kept as %1.</source>
        <extracomment>%1 is a file name, as &quot;cases.json.damaged-20260101-120000&quot;.</extracomment>
        <translation>部分已保存的算例无法读取；该文件已保留为 %1。</translation>
    </message>
    <message>
        <source>The kept cases were written by a newer version of Trivane; cases are kept for this run only.</source>
        <translation>已保留的算例由更新版本的 Trivane 写入；算例仅在本次运行中保留。</translation>
    </message>
</context>
<context>
    <name>CaseReading</name>
    <message>
        <source>A–ground</source>
        <translation>A相接地</translation>
    </message>
    <message>
        <source>B–ground</source>
        <translation>B相接地</translation>
    </message>
    <message>
        <source>C–ground</source>
        <translation>C相接地</translation>
    </message>
    <message>
        <source>A–B</source>
        <translation>AB相间</translation>
    </message>
    <message>
        <source>B–C</source>
        <translation>BC相间</translation>
    </message>
    <message>
        <source>C–A</source>
        <translation>CA相间</translation>
    </message>
    <message>
        <source>A–B–ground</source>
        <translation>AB两相接地</translation>
    </message>
    <message>
        <source>B–C–ground</source>
        <translation>BC两相接地</translation>
    </message>
    <message>
        <source>C–A–ground</source>
        <translation>CA两相接地</translation>
    </message>
    <message>
        <source>A–B–C</source>
        <translation>ABC三相</translation>
    </message>
    <message>
        <source>Looks like an %1 fault</source>
        <translation>疑似%1故障</translation>
    </message>
    <message>
        <source>Looks like a %1 fault</source>
        <translation>疑似%1故障</translation>
    </message>
    <message>
        <source>A and B</source>
        <translation>A、B</translation>
    </message>
    <message>
        <source>B and C</source>
        <translation>B、C</translation>
    </message>
    <message>
        <source>C and A</source>
        <translation>C、A</translation>
    </message>
    <message>
        <source>A, B and C</source>
        <translation>A、B、C</translation>
    </message>
    <message>
        <source>Ground: 3|I0| is %1 % of |Ia| + |Ib| + |Ic|, above 10 %.</source>
        <translation>接地：3|I0| 为 |Ia| + |Ib| + |Ic| 的 %1 %，大于 10 %。</translation>
    </message>
    <message>
        <source>No ground: 3|I0| is %1 % of |Ia| + |Ib| + |Ic|, at most 10 %.</source>
        <translation>不接地：3|I0| 为 |Ia| + |Ib| + |Ic| 的 %1 %，不大于 10 %。</translation>
    </message>
    <message>
        <source>Sector: the angle of I0/I2 is %1, in the sector of phase %2.</source>
        <translation>扇区：I0/I2 的相角为 %1，位于 %2 相扇区。</translation>
    </message>
    <message>
        <source>I2 against I1: the angle of I2/I1 is %1, %2 in phase %3&apos;s reference: within ±90°, a single-phase fault.</source>
        <translation>I2 对 I1：I2/I1 的相角为 %1，以 %3 相为参考时为 %2：在 ±90° 以内，为单相故障。</translation>
    </message>
    <message>
        <source>I2 against I1: the angle of I2/I1 is %1, %2 in phase %3&apos;s reference: beyond ±90°, a two-phase-to-ground fault.</source>
        <translation>I2 对 I1：I2/I1 的相角为 %1，以 %3 相为参考时为 %2：超出 ±90°，为两相接地故障。</translation>
    </message>
    <message>
        <source>I2 against I1: the angle of I2/I1 is %1, nearest the %2 centre (%3).</source>
        <translation>I2 对 I1：I2/I1 的相角为 %1，最接近%2的中心（%3）。</translation>
    </message>
    <message>
        <source>I2 against I1: the angle of I2/I1 is %1, nearer a single-phase centre (0°, ±120°).</source>
        <translation>I2 对 I1：I2/I1 的相角为 %1，更接近单相故障的中心（0°、±120°）。</translation>
    </message>
    <message>
        <source>The current: carried by %1 (|Ia| %2, |Ib| %3, |Ic| %4).</source>
        <translation>电流：流经 %1 相（|Ia| %2，|Ib| %3，|Ic| %4）。</translation>
    </message>
    <message>
        <source>“%1” is not a vector group: </source>
        <translation>“%1”不是联结组别：</translation>
    </message>
    <message>
        <source>it starts with Y, YN, D, Z or ZN.</source>
        <translation>应以 Y、YN、D、Z 或 ZN 开头。</translation>
    </message>
    <message>
        <source>the first winding is followed by y, yn, d, z or zn.</source>
        <translation>第一个绕组之后应为 y、yn、d、z 或 zn。</translation>
    </message>
    <message>
        <source>a delta winding has no neutral.</source>
        <translation>三角形绕组没有中性点。</translation>
    </message>
    <message>
        <source>the clock number, 0 to 11, follows the windings.</source>
        <translation>绕组之后应为钟点数（0 到 11）。</translation>
    </message>
    <message>
        <source>the clock number is 0 to 11.</source>
        <translation>钟点数应为 0 到 11。</translation>
    </message>
    <message>
        <source>Yy, Dd, Zz, Dz and Zd take even clock numbers; Yd, Dy, Yz and Zy odd ones.</source>
        <translation>Yy、Dd、Zz、Dz 和 Zd 的钟点数为偶数；Yd、Dy、Yz 和 Zy 的为奇数。</translation>
    </message>
    <message>
        <source>nothing follows the clock number.</source>
        <translation>钟点数之后不应再有内容。</translation>
    </message>
    <message>
        <source>Slot %1 holds no case.</source>
        <translation>存储位 %1 中没有算例。</translation>
    </message>
    <message>
        <source>Slot %1&apos;s case does not convert.</source>
        <translation>存储位 %1 的算例无法转换。</translation>
    </message>
    <message>
        <source>No superimposed set: this case is currents and slot %1 holds voltages.</source>
        <translation>无故障分量：本算例为电流，而存储位 %1 中为电压。</translation>
    </message>
    <message>
        <source>No superimposed set: this case is voltages and slot %1 holds currents.</source>
        <translation>无故障分量：本算例为电压，而存储位 %1 中为电流。</translation>
    </message>
    <message>
        <source>No current: every phase is within the resolution of the computation.</source>
        <translation>无电流：各相均在计算分辨率以内。</translation>
    </message>
    <message>
        <source>cannot tell: the change is small against the load</source>
        <translation>无法判断：变化量相对负荷太小</translation>
    </message>
    <message>
        <source>cannot tell: zero sequence only</source>
        <translation>无法判断：只有零序</translation>
    </message>
    <message>
        <source>No verdict: a three-phase fault and plain load look alike; choose the pre-fault case</source>
        <translation>无结论：三相故障与正常负荷看起来相同；请选择故障前算例</translation>
    </message>
    <message>
        <source>cannot tell: the change is balanced, but not all three phases carry it</source>
        <translation>无法判断：变化量是对称的，但并非三相都有</translation>
    </message>
    <message>
        <source>cannot tell: I1 or I2 is too small for its angle to say anything</source>
        <translation>无法判断：I1 或 I2 太小，其相角没有意义</translation>
    </message>
    <message>
        <source>cannot tell: there is no ground current, but I2 against I1 points at one phase; a phase-to-phase fault beyond a delta-star transformer looks like this (currents about 1 : 2 : 1)</source>
        <translation>无法判断：没有接地电流，但 I2 对 I1 指向某一相；三角形-星形变压器另一侧的相间故障就是这样（电流约为 1 : 2 : 1）</translation>
    </message>
    <message>
        <source>cannot tell: the angles say %1, the magnitudes say %2</source>
        <translation>无法判断：按相角为%1，按幅值为%2</translation>
    </message>
    <message>
        <source>Nothing is converted: convert a case in the form to read it.</source>
        <translation>尚未转换：请先在窗体中转换一个算例，再进行分析。</translation>
    </message>
    <message>
        <source>The phasors are voltages.</source>
        <translation>相量为电压。</translation>
    </message>
    <message>
        <source>The phasors are currents.</source>
        <translation>相量为电流。</translation>
    </message>
    <message>
        <source>What the phasors are is not said.</source>
        <translation>未说明相量是电压还是电流。</translation>
    </message>
    <message>
        <source>Relay quantities</source>
        <translation>继电保护量</translation>
    </message>
    <message>
        <source>No ratios: %1 is 0.</source>
        <translation>无比值：%1 为 0。</translation>
    </message>
    <message>
        <source>none</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Angle of %1/%2: %3, angle of %4/%1: %5</source>
        <translation>%1/%2 的相角：%3，%4/%1 的相角：%5</translation>
    </message>
    <message>
        <source>Line to line: %1</source>
        <translation>线电压：%1</translation>
    </message>
    <message>
        <source>Superimposed set: this case less slot %1</source>
        <translation>故障分量：本算例减去存储位 %1</translation>
    </message>
    <message>
        <source>no change</source>
        <translation>无变化</translation>
    </message>
    <message>
        <source>Both cases must share one angle reference: one record, whole cycles apart.</source>
        <translation>两个算例必须使用同一相角参考：取自同一录波记录，相隔整数个周波。</translation>
    </message>
    <message>
        <source>Fault reading</source>
        <translation>故障分析</translation>
    </message>
    <message>
        <source>Only currents are read for a fault.</source>
        <translation>仅对电流进行故障分析。</translation>
    </message>
    <message>
        <source>the pre-fault load is not removed</source>
        <translation>未扣除故障前负荷</translation>
    </message>
    <message>
        <source>Through %1, IEC clock number %2: the other winding, per unit of the ratio</source>
        <translation>经过 %1，IEC 钟点数 %2：另一侧绕组，以变比为基准的标幺值</translation>
    </message>
    <message>
        <source>The zero sequence does not pass this transformer.</source>
        <translation>零序不能通过此变压器。</translation>
    </message>
    <message>
        <source>Delta %1</source>
        <extracomment>A row of the superimposed set in the results table; %1 is A, B, C, X0, X1 or X2.</extracomment>
        <translation>故障分量 %1</translation>
    </message>
    <message>
        <source>Other winding %1</source>
        <extracomment>A row of the transformer&apos;s other winding in the results table; %1 is A, B, C, X0, X1 or X2.</extracomment>
        <translation>另一侧绕组 %1</translation>
    </message>
    <message>
        <source>Fault</source>
        <translation>故障</translation>
    </message>
</context>
<context>
    <name>CaseReport</name>
    <message>
        <source>ABC Polar</source>
        <translation>ABC 极坐标</translation>
    </message>
    <message>
        <source>Magnitude</source>
        <translation>幅值</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>相角</translation>
    </message>
    <message>
        <source>ABC Rectangular</source>
        <translation>ABC 直角坐标</translation>
    </message>
    <message>
        <source>Real</source>
        <translation>实部</translation>
    </message>
    <message>
        <source>Imaginary</source>
        <translation>虚部</translation>
    </message>
    <message>
        <source>012 Polar</source>
        <translation>012 极坐标</translation>
    </message>
    <message>
        <source>012 Rectangular</source>
        <translation>012 直角坐标</translation>
    </message>
    <message>
        <source>Note:</source>
        <translation>备注：</translation>
    </message>
    <message>
        <source>The case as typed</source>
        <translation>输入的算例</translation>
    </message>
    <message>
        <source>The four groups</source>
        <translation>四组数值</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>分析</translation>
    </message>
    <message>
        <source>Trivane case report</source>
        <translation>Trivane 算例报告</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>报告</translation>
    </message>
    <message>
        <source>A note for the report (optional, one line):</source>
        <translation>报告备注（可选，一行）：</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>备注</translation>
    </message>
    <message>
        <source>Save Report As</source>
        <translation>报告另存为</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>PDF 文档 (*.pdf)</translation>
    </message>
</context>
<context>
    <name>CellPaste</name>
    <message numerus="yes">
        <source>%n rows</source>
        <translation>
            <numerusform>%n 行</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n columns</source>
        <translation>
            <numerusform>%n 列</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and %2 did not fit the group</source>
        <extracomment>A notice after a paste; %1 is &quot;2 rows&quot;, %2 is &quot;1 column&quot;.</extracomment>
        <translation>%1 和 %2 超出了该组范围</translation>
    </message>
    <message>
        <source>%1 did not fit the group</source>
        <extracomment>A notice after a paste; %1 is &quot;2 rows&quot; or &quot;1 column&quot;.</extracomment>
        <translation>%1 超出了该组范围</translation>
    </message>
</context>
<context>
    <name>DiagramOutputs</name>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG 图像 (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>SVG 图形 (*.svg)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>PDF 文档 (*.pdf)</translation>
    </message>
    <message>
        <source>Trivane phasor diagrams</source>
        <translation>Trivane 相量图</translation>
    </message>
    <message>
        <source>Diagrams are saved as PNG, SVG or PDF: %1 names none of them.</source>
        <extracomment>%1 is the file&apos;s path.</extracomment>
        <translation>相量图只能保存为 PNG、SVG 或 PDF：%1 不是其中任何一种。</translation>
    </message>
    <message>
        <source>Save Diagrams As</source>
        <translation>相量图另存为</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Not a number</source>
        <extracomment>Why a field&apos;s entry is refused: its tooltip, and what a screen reader hears of it.</extracomment>
        <translation>不是数字</translation>
    </message>
    <message>
        <source>Beyond the largest number the program holds, about 3.4E+38</source>
        <translation>超出程序能表示的最大数（约 3.4E+38）</translation>
    </message>
    <message>
        <source>The results of these entries are too large to show</source>
        <translation>这些输入的结果太大，无法显示</translation>
    </message>
    <message>
        <source>ABC Polar</source>
        <extracomment>A group&apos;s frame heading, 169 pixels wide at the smallest zoom: about 20 characters.</extracomment>
        <translation>ABC 极坐标</translation>
    </message>
    <message>
        <source>Phase A magnitude</source>
        <extracomment>Fields&apos; names for screen readers, not shown: any length.</extracomment>
        <translation>A 相幅值</translation>
    </message>
    <message>
        <source>Phase A angle in degrees</source>
        <translation>A 相相角（度）</translation>
    </message>
    <message>
        <source>Phase B magnitude</source>
        <translation>B 相幅值</translation>
    </message>
    <message>
        <source>Phase B angle in degrees</source>
        <translation>B 相相角（度）</translation>
    </message>
    <message>
        <source>Phase C magnitude</source>
        <translation>C 相幅值</translation>
    </message>
    <message>
        <source>Phase C angle in degrees</source>
        <translation>C 相相角（度）</translation>
    </message>
    <message>
        <source>Magnitude</source>
        <extracomment>Column headings in fixed labels about 65 pixels wide (Angle and Real: 41 to 49 pixels): keep them as short as the English.</extracomment>
        <translation>幅值</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>相角</translation>
    </message>
    <message>
        <source>ABC Rectangular</source>
        <translation>ABC 直角坐标</translation>
    </message>
    <message>
        <source>Phase A real part</source>
        <translation>A 相实部</translation>
    </message>
    <message>
        <source>Phase A imaginary part</source>
        <translation>A 相虚部</translation>
    </message>
    <message>
        <source>Phase B real part</source>
        <translation>B 相实部</translation>
    </message>
    <message>
        <source>Phase B imaginary part</source>
        <translation>B 相虚部</translation>
    </message>
    <message>
        <source>Phase C real part</source>
        <translation>C 相实部</translation>
    </message>
    <message>
        <source>Phase C imaginary part</source>
        <translation>C 相虚部</translation>
    </message>
    <message>
        <source>Real</source>
        <translation>实部</translation>
    </message>
    <message>
        <source>Imaginary</source>
        <translation>虚部</translation>
    </message>
    <message>
        <source>012 Polar</source>
        <translation>012 极坐标</translation>
    </message>
    <message>
        <source>Sequence 0 magnitude</source>
        <translation>序分量 0 幅值</translation>
    </message>
    <message>
        <source>Sequence 0 angle in degrees</source>
        <translation>序分量 0 相角（度）</translation>
    </message>
    <message>
        <source>Sequence 1 magnitude</source>
        <translation>序分量 1 幅值</translation>
    </message>
    <message>
        <source>Sequence 1 angle in degrees</source>
        <translation>序分量 1 相角（度）</translation>
    </message>
    <message>
        <source>Sequence 2 magnitude</source>
        <translation>序分量 2 幅值</translation>
    </message>
    <message>
        <source>Sequence 2 angle in degrees</source>
        <translation>序分量 2 相角（度）</translation>
    </message>
    <message>
        <source>012 Rectangular</source>
        <translation>012 直角坐标</translation>
    </message>
    <message>
        <source>Sequence 0 real part</source>
        <translation>序分量 0 实部</translation>
    </message>
    <message>
        <source>Sequence 0 imaginary part</source>
        <translation>序分量 0 虚部</translation>
    </message>
    <message>
        <source>Sequence 1 real part</source>
        <translation>序分量 1 实部</translation>
    </message>
    <message>
        <source>Sequence 1 imaginary part</source>
        <translation>序分量 1 虚部</translation>
    </message>
    <message>
        <source>Sequence 2 real part</source>
        <translation>序分量 2 实部</translation>
    </message>
    <message>
        <source>Sequence 2 imaginary part</source>
        <translation>序分量 2 虚部</translation>
    </message>
    <message>
        <source>CONVERT</source>
        <extracomment>The caption of each group&apos;s button, 137 pixels wide: about 14 capitals.</extracomment>
        <translation>转换</translation>
    </message>
    <message>
        <source>Convert ABC polar</source>
        <translation>转换 ABC 极坐标</translation>
    </message>
    <message>
        <source>Convert ABC rectangular</source>
        <translation>转换 ABC 直角坐标</translation>
    </message>
    <message>
        <source>Convert 012 polar</source>
        <translation>转换 012 极坐标</translation>
    </message>
    <message>
        <source>Convert 012 rectangular</source>
        <translation>转换 012 直角坐标</translation>
    </message>
    <message>
        <source>Clear Screen</source>
        <extracomment>A button 97 by 49 pixels: two short lines at most.</extracomment>
        <translation>清除屏幕</translation>
    </message>
    <message>
        <source>Clear screen</source>
        <translation>清除屏幕</translation>
    </message>
    <message>
        <source>Memory slot 1</source>
        <extracomment>The memory buttons&apos; names for screen readers, not shown.</extracomment>
        <translation>存储位 1</translation>
    </message>
    <message>
        <source>Memory slot 2</source>
        <translation>存储位 2</translation>
    </message>
    <message>
        <source>Memory slot 3</source>
        <translation>存储位 3</translation>
    </message>
    <message>
        <source>Memory slot 4</source>
        <translation>存储位 4</translation>
    </message>
    <message>
        <source>Memory slot 5</source>
        <translation>存储位 5</translation>
    </message>
    <message>
        <source>Memory slot 6</source>
        <translation>存储位 6</translation>
    </message>
    <message>
        <source>Memory slot 7</source>
        <translation>存储位 7</translation>
    </message>
    <message>
        <source>Memory slot 8</source>
        <translation>存储位 8</translation>
    </message>
    <message>
        <source>Memory slot 9</source>
        <translation>存储位 9</translation>
    </message>
    <message>
        <source>Memory slot 10</source>
        <translation>存储位 10</translation>
    </message>
    <message>
        <source>Click Option Button to View a Case Autosaved in Wraparound Memory</source>
        <extracomment>Wrapped, centred text in a box 89 pixels wide and about seven lines high.</extracomment>
        <translation>单击选项按钮，查看循环存储中自动保存的算例</translation>
    </message>
    <message>
        <source>Positive Sequence</source>
        <extracomment>The diagrams&apos; captions, centred over them, 97 to 129 pixels wide: one line.</extracomment>
        <translation>正序</translation>
    </message>
    <message>
        <source>Negative Sequence</source>
        <translation>负序</translation>
    </message>
    <message>
        <source>Zero Sequence</source>
        <translation>零序</translation>
    </message>
    <message>
        <source>Note - the lengths of phasors in the plots are scaled so that the longest of A, B, C has 1pu radius</source>
        <extracomment>One line under the diagrams, 713 pixels wide.</extracomment>
        <translation>备注：图中相量的长度经过缩放，使 A、B、C 中最长者的半径为 1pu</translation>
    </message>
    <message>
        <source>Trivane, symmetrical components calculator</source>
        <translation>Trivane，对称分量计算器</translation>
    </message>
</context>
<context>
    <name>FormActions</name>
    <message>
        <source>Copy Results</source>
        <translation>复制结果</translation>
    </message>
    <message>
        <source>Save Results As…</source>
        <translation>结果另存为…</translation>
    </message>
    <message>
        <source>Copy Diagrams</source>
        <translation>复制相量图</translation>
    </message>
    <message>
        <source>Save Diagrams As…</source>
        <translation>相量图另存为…</translation>
    </message>
    <message>
        <source>Print Diagrams…</source>
        <translation>打印相量图…</translation>
    </message>
    <message>
        <source>Save Report As…</source>
        <translation>报告另存为…</translation>
    </message>
    <message>
        <source>Print Report…</source>
        <translation>打印报告…</translation>
    </message>
    <message>
        <source>Show Reading</source>
        <translation>显示分析</translation>
    </message>
    <message>
        <source>Enter Line-to-Line Voltages…</source>
        <translation>输入线电压…</translation>
    </message>
    <message>
        <source>Keep Cases Between Runs</source>
        <translation>在两次运行之间保留算例</translation>
    </message>
    <message>
        <source>Forget All Cases</source>
        <translation>删除所有算例</translation>
    </message>
</context>
<context>
    <name>FormHistory</name>
    <message>
        <source>Convert</source>
        <extracomment>An undo step, named in the menu as &quot;Undo %1&quot;.</extracomment>
        <translation>转换</translation>
    </message>
    <message>
        <source>Clear Screen</source>
        <extracomment>An undo step, named in the menu as &quot;Undo %1&quot;.</extracomment>
        <translation>清除屏幕</translation>
    </message>
    <message>
        <source>Recall</source>
        <extracomment>An undo step, named in the menu as &quot;Undo %1&quot;.</extracomment>
        <translation>调出算例</translation>
    </message>
    <message>
        <source>Typing</source>
        <extracomment>An undo step, named in the menu as &quot;Undo %1&quot;.</extracomment>
        <translation>输入</translation>
    </message>
    <message>
        <source>Paste</source>
        <extracomment>An undo step, named in the menu as &quot;Undo %1&quot;.</extracomment>
        <translation>粘贴</translation>
    </message>
</context>
<context>
    <name>ResultsTable</name>
    <message>
        <source>Phasor</source>
        <translation>相量</translation>
    </message>
    <message>
        <source>Magnitude</source>
        <translation>幅值</translation>
    </message>
    <message>
        <source>Angle (degrees)</source>
        <translation>相角（度）</translation>
    </message>
    <message>
        <source>Real part</source>
        <translation>实部</translation>
    </message>
    <message>
        <source>Imaginary part</source>
        <translation>虚部</translation>
    </message>
    <message>
        <source>no ratio</source>
        <translation>无比值</translation>
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
        <translation>相序</translation>
    </message>
    <message>
        <source>the number settings could not be set</source>
        <translation>无法设置数字格式</translation>
    </message>
    <message>
        <source>the workbook could not be started</source>
        <translation>无法创建工作簿</translation>
    </message>
    <message>
        <source>No results to save: convert a case first.</source>
        <translation>没有可保存的结果：请先转换一个算例。</translation>
    </message>
    <message>
        <source>Save Results As</source>
        <translation>结果另存为</translation>
    </message>
    <message>
        <source>Excel workbooks (*.xlsx)</source>
        <translation>Excel 工作簿 (*.xlsx)</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV 文件 (*.csv)</translation>
    </message>
</context>
<context>
    <name>SaveFile</name>
    <message>
        <source>Could not write %1: %2</source>
        <extracomment>%1 is the file&apos;s path, %2 why it failed, as in &quot;the disk is full&quot;.</extracomment>
        <translation>无法写入 %1：%2</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>磁盘已满</translation>
    </message>
    <message>
        <source>the file would be too large</source>
        <translation>文件会过大</translation>
    </message>
    <message>
        <source>the folder cannot be written</source>
        <translation>文件夹不可写</translation>
    </message>
    <message>
        <source>the file could not be written whole</source>
        <translation>文件未能完整写入</translation>
    </message>
</context>
<context>
    <name>ScreenReaderText</name>
    <message>
        <source>%1 %2 at %3</source>
        <extracomment>A phasor of a saved case, as &quot;A 7.25 at 0°&quot;: %1 its label, %2 its magnitude, %3 its angle.</extracomment>
        <translation>%1 %2（相角 %3）</translation>
    </message>
    <message>
        <source>No unbalance ratio: the positive sequence is zero.</source>
        <translation>无不平衡度：正序为零。</translation>
    </message>
    <message>
        <source>Unbalance |V2|/|V1| %1 %, |V0|/|V1| %2 %.</source>
        <extracomment>%1 and %2 are percentages.</extracomment>
        <translation>不平衡度 |V2|/|V1| %1 %，|V0|/|V1| %2 %。</translation>
    </message>
    <message>
        <source>The set turns A-C-B: its phases rotate the other way, or two of them are swapped.</source>
        <translation>相序为 A-C-B：各相反向旋转，或有两相对调。</translation>
    </message>
    <message>
        <source>|V2| and |V1| are equal within the precision held: the phase order cannot be told from them.</source>
        <translation>|V2| 与 |V1| 在所存精度内相等：无法据此判断相序。</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <extracomment>A phasor as &quot;1 at −120°&quot;: %1 its magnitude, %2 its angle.</extracomment>
        <translation>%1（相角 %2）</translation>
    </message>
    <message>
        <source>ABC polar</source>
        <extracomment>A group&apos;s name inside a sentence, as in &quot;Converted the ABC polar entries.&quot;</extracomment>
        <translation>ABC 极坐标</translation>
    </message>
    <message>
        <source>ABC rectangular</source>
        <translation>ABC 直角坐标</translation>
    </message>
    <message>
        <source>012 polar</source>
        <translation>012 极坐标</translation>
    </message>
    <message>
        <source>012 rectangular</source>
        <translation>012 直角坐标</translation>
    </message>
    <message>
        <source>Nothing is drawn yet: enter a case and press CONVERT.</source>
        <translation>尚未绘图：请输入算例并按“转换”。</translation>
    </message>
    <message>
        <source>Nothing is drawn: the entries could not be converted.</source>
        <translation>未绘图：输入无法转换。</translation>
    </message>
    <message>
        <source>Nothing is drawn: no phase is longer than 1E-06.</source>
        <translation>未绘图：没有任何一相长于 1E-06。</translation>
    </message>
    <message>
        <source>Four phasor diagrams at one scale: the outer circle stands for %1. Phases: A %2, B %3, C %4. Positive sequence %5, with B and C a third of a turn behind and ahead. Negative sequence %6, with B and C a third of a turn ahead and behind. Zero sequence %7.</source>
        <extracomment>%1 is the scale&apos;s magnitude; %2 to %7 are phasors as &quot;1 at −120°&quot;.</extracomment>
        <translation>四个相量图使用同一比例：外圆代表 %1。各相：A %2，B %3，C %4。正序 %5，B 和 C 分别滞后和超前三分之一周。负序 %6，B 和 C 分别超前和滞后三分之一周。零序 %7。</translation>
    </message>
    <message>
        <source>Converted the %1 entries.</source>
        <extracomment>Said after a conversion; %1 is a group&apos;s name, as &quot;ABC polar&quot;.</extracomment>
        <translation>已转换“%1”组的输入。</translation>
    </message>
    <message>
        <source>Not converted. %1: %2.</source>
        <extracomment>Said after a refused conversion; %1 is a field&apos;s name, %2 why it is refused.</extracomment>
        <translation>未转换。%1：%2。</translation>
    </message>
    <message>
        <source>Converts the %1 entries into the three other forms and draws them</source>
        <translation>将“%1”组的输入转换为其他三种形式并绘图</translation>
    </message>
    <message>
        <source>Sets every entry to zero and converts the empty case</source>
        <translation>将所有输入设为零并转换空算例</translation>
    </message>
    <message>
        <source>Below the entry groups four phasor diagrams: phases A (black), B (red) and C (blue), then the positive, negative and zero sequence components, all at one scale on which the longest of A, B and C reaches the outer circle</source>
        <translation>输入组下方有四个相量图：A 相（黑色）、B 相（红色）和 C 相（蓝色），然后是正序、负序和零序分量，全部使用同一比例，A、B、C 中最长者到达外圆</translation>
    </message>
    <message>
        <source>Phasor diagrams</source>
        <translation>相量图</translation>
    </message>
    <message>
        <source>Fault reading: %1.</source>
        <translation>故障分析：%1。</translation>
    </message>
    <message>
        <source>Empty: no case saved yet</source>
        <translation>空：尚未保存算例</translation>
    </message>
    <message>
        <source>%1; the newest case</source>
        <translation>%1；最新的算例</translation>
    </message>
</context>
<context>
    <name>form::LineToLineDialog</name>
    <message>
        <source>The magnitude of %1 is not a number.</source>
        <translation>%1 的幅值不是数字。</translation>
    </message>
    <message>
        <source>The angle of %1 is not a number.</source>
        <translation>%1 的相角不是数字。</translation>
    </message>
    <message>
        <source>The triangle does not close: Vab + Vbc + Vca leaves %1, more than 1 % of its longest side.</source>
        <translation>三角形不闭合：Vab + Vbc + Vca 剩余 %1，超过最长边的 1 %。</translation>
    </message>
    <message>
        <source>These magnitudes cannot form a triangle: no side may be longer than the other two together.</source>
        <translation>这些幅值无法构成三角形：任何一边都不能长于另外两边之和。</translation>
    </message>
    <message>
        <source>|V2|/|V1| = %1 %</source>
        <translation>|V2|/|V1| = %1 %</translation>
    </message>
    <message>
        <source>|V2|/|V1|: no ratio, V1 is 0</source>
        <translation>|V2|/|V1|：无比值，V1 为 0</translation>
    </message>
    <message>
        <source>u2 = %1 %, from the magnitudes alone</source>
        <translation>u2 = %1 %，仅由幅值得出</translation>
    </message>
    <message>
        <source>u2: none for three zeros</source>
        <translation>u2：三个零时无此值</translation>
    </message>
    <message>
        <source>V0 is shown as 0 because line-to-line values cannot give it.</source>
        <translation>V0 显示为 0，因为线电压无法给出 V0。</translation>
    </message>
    <message>
        <source>magnitudes only</source>
        <translation>仅幅值</translation>
    </message>
    <message>
        <source>Enter Line-to-Line Voltages…</source>
        <translation>输入线电压…</translation>
    </message>
    <message>
        <source>Magnitude</source>
        <translation>幅值</translation>
    </message>
    <message>
        <source>Angle (degrees)</source>
        <translation>相角（度）</translation>
    </message>
    <message>
        <source>Magnitude of %1</source>
        <translation>%1 的幅值</translation>
    </message>
    <message>
        <source>Angle of %1 in degrees</source>
        <translation>%1 的相角（度）</translation>
    </message>
    <message>
        <source>Enter the magnitudes of Vab, Vbc and Vca.</source>
        <translation>请输入 Vab、Vbc 和 Vca 的幅值。</translation>
    </message>
    <message>
        <source>Enter Vab, Vbc and Vca as magnitude and angle.</source>
        <translation>请以幅值和相角输入 Vab、Vbc 和 Vca。</translation>
    </message>
</context>
<context>
    <name>form::ReadingRoom</name>
    <message>
        <source>Quantity</source>
        <translation>选择电压或电流</translation>
    </message>
    <message>
        <source>Choose none, or slot 1–10.</source>
        <translation>请选择“无”或存储位 1–10。</translation>
    </message>
    <message>
        <source>Slot %1 holds no case: the pre-fault case stays as it was.</source>
        <translation>存储位 %1 中没有算例：故障前算例保持不变。</translation>
    </message>
    <message>
        <source>The vector group stays as it was.</source>
        <translation>联结组别保持不变。</translation>
    </message>
    <message>
        <source>No superimposed set: choose the pre-fault case.</source>
        <translation>无故障分量：请选择故障前算例。</translation>
    </message>
    <message>
        <source>Put into the Form</source>
        <translation>填入窗体</translation>
    </message>
    <message>
        <source>Enter Line-to-Line Voltages</source>
        <translation>输入线电压</translation>
    </message>
</context>
<context>
    <name>form::ReadingWindow</name>
    <message>
        <source>Put into the Form</source>
        <translation>填入窗体</translation>
    </message>
    <message>
        <source>Trivane Reading</source>
        <translation>Trivane 分析</translation>
    </message>
    <message>
        <source>voltages</source>
        <translation>电压</translation>
    </message>
    <message>
        <source>currents</source>
        <translation>电流</translation>
    </message>
    <message>
        <source>not said</source>
        <translation>未说明</translation>
    </message>
    <message>
        <source>none</source>
        <translation>无</translation>
    </message>
    <message>
        <source>slot %1</source>
        <translation>存储位 %1</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>分析</translation>
    </message>
    <message>
        <source>What the phasors are:</source>
        <translation>相量的类型：</translation>
    </message>
    <message>
        <source>Pre-fault case: none, or slot 1–10</source>
        <translation>故障前算例：无，或存储位 1–10</translation>
    </message>
    <message>
        <source>Vector group: none, or an IEC vector group such as Dyn11, YNyn0, Yd1 or Dy5</source>
        <translation>联结组别：无，或 IEC 联结组别，如 Dyn11、YNyn0、Yd1 或 Dy5</translation>
    </message>
</context>
</TS>
