<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="gu" sourcelanguage="en">
<context>
    <name>Calendar</name>
    <message>
        <location filename="../ui/accessible/Accessibility.cpp" line="43"/>
        <source>Previous month</source>
        <translation>પાછલો મહિનો</translation>
    </message>
    <message>
        <location filename="../ui/accessible/Accessibility.cpp" line="44"/>
        <source>Next month</source>
        <translation>આવતો મહિનો</translation>
    </message>
    <message>
        <location filename="../ui/accessible/Accessibility.cpp" line="46"/>
        <source>Month %1</source>
        <translation>મહિનો %1</translation>
    </message>
    <message>
        <location filename="../ui/accessible/Accessibility.cpp" line="48"/>
        <source>Year %1</source>
        <translation>વર્ષ %1</translation>
    </message>
    <message>
        <location filename="../ui/accessible/Accessibility.cpp" line="49"/>
        <source>Year</source>
        <translation>વર્ષ</translation>
    </message>
    <message>
        <location filename="../ui/accessible/CalendarDayAccessible.cpp" line="95"/>
        <source>Select</source>
        <translation>પસંદ કરો</translation>
    </message>
    <message>
        <location filename="../ui/accessible/CalendarDayAccessible.cpp" line="101"/>
        <source>Makes this day the calendar&apos;s date</source>
        <translation>આ દિવસને કૅલેન્ડરની તારીખ બનાવે છે</translation>
    </message>
</context>
<context>
    <name>CertificateModel</name>
    <message>
        <location filename="../ui/certificates/CertificateModel.cpp" line="196"/>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="55"/>
        <source>Certificate</source>
        <translation>પ્રમાણપત્ર</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateModel.cpp" line="198"/>
        <source>Denomination</source>
        <translation>અંકિત મૂલ્ય</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateModel.cpp" line="200"/>
        <source>Date of purchase</source>
        <translation>ખરીદ તારીખ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateModel.cpp" line="204"/>
        <source>Column %1</source>
        <translation>કૉલમ %1</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateModel.cpp" line="213"/>
        <source>New certificate</source>
        <translation>નવું પ્રમાણપત્ર</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateModel.cpp" line="219"/>
        <source>Row %1</source>
        <translation>હરોળ %1</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateModel.cpp" line="239"/>
        <location filename="../ui/certificates/CertificateModel.cpp" line="247"/>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="68"/>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="76"/>
        <source>Total</source>
        <translation>કુલ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateModel.cpp" line="323"/>
        <source>The financial year chosen in the calculator</source>
        <translation>કેલ્ક્યુલેટરમાં પસંદ કરેલું નાણાકીય વર્ષ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateModel.cpp" line="411"/>
        <source>Add Certificate</source>
        <translation>પ્રમાણપત્ર ઉમેરો</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateModel.cpp" line="432"/>
        <source>Edit</source>
        <translation>ફેરફાર</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateModel.cpp" line="449"/>
        <location filename="../ui/certificates/CertificateModel.cpp" line="456"/>
        <source>Delete</source>
        <translation>કાઢી નાખો</translation>
    </message>
</context>
<context>
    <name>CertificateWindow</name>
    <message>
        <location filename="../ui/certificates/CertificateClipboard.cpp" line="78"/>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="246"/>
        <source>line %1: %2</source>
        <translation>લીટી %1: %2</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateClipboard.cpp" line="86"/>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="184"/>
        <source>Paste</source>
        <translation>પેસ્ટ કરો</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateClipboard.cpp" line="90"/>
        <source>These lines were not pasted: %1.</source>
        <translation>આ લીટીઓ પેસ્ટ થઈ નથી: %1.</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="44"/>
        <source>Interest on certificates</source>
        <translation>પ્રમાણપત્રો પર વ્યાજ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="46"/>
        <source>File: %1</source>
        <translation>ફાઇલ: %1</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="47"/>
        <source>Date: %1</source>
        <translation>તારીખ: %1</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="50"/>
        <source>Financial year: %1</source>
        <translation>નાણાકીય વર્ષ: %1</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="56"/>
        <source>Year of life</source>
        <translation>મુદતનું વર્ષ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="57"/>
        <source>Interest</source>
        <translation>વ્યાજ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="73"/>
        <source>Every financial year</source>
        <translation>દરેક નાણાકીય વર્ષ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="75"/>
        <source>Financial year</source>
        <translation>નાણાકીય વર્ષ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="116"/>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="87"/>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="283"/>
        <source>Certificates</source>
        <translation>પ્રમાણપત્રો</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="119"/>
        <source>Export PDF</source>
        <translation>PDF નિકાસ કરો</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="120"/>
        <source>PDF files (*.pdf)</source>
        <translation>PDF ફાઇલો (*.pdf)</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="58"/>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV ફાઇલો (*.csv);;બધી ફાઇલો (*)</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="106"/>
        <source>Total</source>
        <translation>કુલ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="153"/>
        <source>&amp;File</source>
        <translation>ફાઇલ (&amp;F)</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="154"/>
        <source>New</source>
        <translation>નવું</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="155"/>
        <source>Open…</source>
        <translation>ખોલો…</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="156"/>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="312"/>
        <source>Save</source>
        <translation>સાચવો</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="158"/>
        <source>Save As…</source>
        <translation>આ રીતે સાચવો…</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="163"/>
        <source>Print…</source>
        <translation>છાપો…</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="164"/>
        <source>Export PDF…</source>
        <translation>PDF નિકાસ કરો…</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="166"/>
        <source>Close</source>
        <translation>બંધ કરો</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="168"/>
        <source>&amp;Edit</source>
        <translation>ફેરફાર (&amp;E)</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="173"/>
        <source>Undo</source>
        <translation>પૂર્વવત્ કરો</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="174"/>
        <source>Redo</source>
        <translation>ફરી કરો</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="182"/>
        <source>Cut</source>
        <translation>કાપો</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="183"/>
        <source>Copy</source>
        <translation>કૉપિ કરો</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="185"/>
        <source>Delete</source>
        <translation>કાઢી નાખો</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="186"/>
        <source>Select All</source>
        <translation>બધું પસંદ કરો</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="189"/>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="345"/>
        <source>Add Certificate</source>
        <translation>પ્રમાણપત્ર ઉમેરો</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="190"/>
        <source>Sort by This Column</source>
        <translation>આ કૉલમ પ્રમાણે ગોઠવો</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="194"/>
        <source>Untitled</source>
        <translation>નામ વગરનું</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="198"/>
        <source>%1[*] – Certificates – Tresk Interest Calculator</source>
        <translation>%1[*] – પ્રમાણપત્રો – ટ્રેસ્ક વ્યાજ કેલ્ક્યુલેટર</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="229"/>
        <source>%1 is not a CSV file.</source>
        <translation>%1 CSV ફાઇલ નથી.</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="230"/>
        <source>%1 could not be read.</source>
        <translation>%1 વાંચી શકાઈ નથી.</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="252"/>
        <source>Some lines are not certificates and are kept as they are: %1.</source>
        <translation>કેટલીક લીટીઓ પ્રમાણપત્રો નથી અને જેમ છે તેમ રાખી છે: %1.</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="254"/>
        <source>More such lines: %1.</source>
        <translation>આવી વધુ લીટીઓ: %1.</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="273"/>
        <source>Open</source>
        <translation>ખોલો</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="284"/>
        <source>Save As</source>
        <translation>આ રીતે સાચવો</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="295"/>
        <source>The list could not be saved to %1: %2</source>
        <translation>યાદી %1 માં સાચવી શકાઈ નથી: %2</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="308"/>
        <source>Save the changes to %1?</source>
        <translation>%1 ના ફેરફારો સાચવવા છે?</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="313"/>
        <source>Discard</source>
        <translation>છોડી દો</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="314"/>
        <source>Cancel</source>
        <translation>રદ કરો</translation>
    </message>
</context>
<context>
    <name>Certificates</name>
    <message>
        <location filename="../ui/certificates/Reasons.cpp" line="11"/>
        <source>Too few fields</source>
        <translation>બહુ ઓછાં ક્ષેત્રો</translation>
    </message>
    <message>
        <location filename="../ui/certificates/Reasons.cpp" line="13"/>
        <source>No denomination</source>
        <translation>અંકિત મૂલ્ય નથી</translation>
    </message>
    <message>
        <location filename="../ui/certificates/Reasons.cpp" line="15"/>
        <source>The denomination is not a positive number</source>
        <translation>અંકિત મૂલ્ય ધન સંખ્યા નથી</translation>
    </message>
    <message>
        <location filename="../ui/certificates/Reasons.cpp" line="18"/>
        <source>The denomination is larger than 1,000,000,000,000</source>
        <translation>અંકિત મૂલ્ય 1,000,000,000,000 થી વધુ છે</translation>
    </message>
    <message>
        <location filename="../ui/certificates/Reasons.cpp" line="21"/>
        <source>No date of purchase</source>
        <translation>ખરીદ તારીખ નથી</translation>
    </message>
    <message>
        <location filename="../ui/certificates/Reasons.cpp" line="23"/>
        <source>The date of purchase is not a date (DD/MM/YYYY)</source>
        <translation>ખરીદ તારીખ કોઈ તારીખ નથી (DD/MM/YYYY)</translation>
    </message>
    <message>
        <location filename="../ui/certificates/Reasons.cpp" line="26"/>
        <source>Not text</source>
        <translation>લખાણ નથી</translation>
    </message>
    <message>
        <location filename="../ui/certificates/Reasons.cpp" line="28"/>
        <source>Longer than 1 MiB</source>
        <translation>1 MiB થી લાંબી</translation>
    </message>
    <message>
        <location filename="../ui/certificates/Reasons.cpp" line="30"/>
        <source>A quoted field is not closed</source>
        <translation>અવતરણ ચિહ્નવાળું ક્ષેત્ર બંધ નથી</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <location filename="../ui/Form1.cpp" line="25"/>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="54"/>
        <source>Tresk Interest Calculator</source>
        <translation>ટ્રેસ્ક વ્યાજ કેલ્ક્યુલેટર</translation>
    </message>
    <message>
        <location filename="../ui/Form1.cpp" line="27"/>
        <source>Pls. Select a year from the Drop Down List</source>
        <translation>કૃપા કરીને ડ્રોપ ડાઉન યાદીમાંથી એક વર્ષ પસંદ કરો</translation>
    </message>
    <message>
        <location filename="../ui/Form1.cpp" line="28"/>
        <source>Accrued Interest of Tresk will not be considered for the specified Financial Year</source>
        <translation>નિર્દિષ્ટ નાણાકીય વર્ષ માટે ટ્રેસ્કનું ઉપાર્જિત વ્યાજ ગણતરીમાં લેવાશે નહીં</translation>
    </message>
    <message>
        <location filename="../ui/Form1.cpp" line="30"/>
        <source>No Interest for this year</source>
        <translation>આ વર્ષ માટે કોઈ વ્યાજ નથી</translation>
    </message>
    <message>
        <location filename="../ui/Form1.cpp" line="31"/>
        <source>Denomination is too large to calculate</source>
        <translation>અંકિત મૂલ્ય ગણતરી માટે ખૂબ મોટું છે</translation>
    </message>
    <message>
        <location filename="../ui/Form1.cpp" line="32"/>
        <source>Pls. Select a Financial Year from 1 to 9999 from the Drop Down List</source>
        <translation>કૃપા કરીને ડ્રોપ ડાઉન યાદીમાંથી 1 થી 9999 સુધીનું એક નાણાકીય વર્ષ પસંદ કરો</translation>
    </message>
    <message>
        <location filename="../ui/Form1.cpp" line="35"/>
        <source>The interest could not be calculated</source>
        <translation>વ્યાજની ગણતરી થઈ શકી નથી</translation>
    </message>
    <message>
        <location filename="../ui/Form1.cpp" line="153"/>
        <source>Enter Date of purchase %1</source>
        <extracomment>Told to screen readers when a day is picked on the calendar: %1 is the date. Word it as a sentence of its own; it need not repeat the caption&apos;s words.</extracomment>
        <translation>ખરીદ તારીખ %1 પસંદ થઈ</translation>
    </message>
    <message>
        <location filename="../ui/Form1.cpp" line="236"/>
        <source>Accrued Interest %1</source>
        <extracomment>Told to screen readers after Calculate: %1 is the amount shown. Word it as a sentence of its own; it need not repeat the caption&apos;s words.</extracomment>
        <translation>ઉપાર્જિત વ્યાજ %1 છે</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="91"/>
        <source>Enter Denomination</source>
        <extracomment>The caption beside the denomination box (121 px), which also names the box to readers.</extracomment>
        <translation>અંકિત મૂલ્ય દાખલ કરો</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="95"/>
        <source>Enter Date of purchase </source>
        <extracomment>The caption beside the date box (145 px), which also names the box to readers without its trailing blank.</extracomment>
        <translation>ખરીદ તારીખ દાખલ કરો </translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="98"/>
        <source>Accrued Interest</source>
        <extracomment>The caption beside the result box (121 px), which also names the box to readers.</extracomment>
        <translation>ઉપાર્જિત વ્યાજ</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="101"/>
        <source>Developed by -</source>
        <translation>વિકાસકર્તા -</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="149"/>
        <location filename="../ui/ScheduleText.cpp" line="36"/>
        <source>Financial Year</source>
        <extracomment>Names the year list to readers, and heads a column of the schedule in the result&apos;s tooltip and in the table Copy Schedule copies.</extracomment>
        <translation>નાણાકીય વર્ષ</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="108"/>
        <location filename="../ui/Form1Controls.cpp" line="109"/>
        <source>&quot;YYYY&quot;</source>
        <extracomment>The form of a year, shown above the year list and above the box of the year after it.</extracomment>
        <translation>&quot;YYYY&quot;</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="105"/>
        <source>Financial Year</source>
        <comment>caption</comment>
        <extracomment>The caption beside the year list (97 px). Where the words do not fit, shorten them here only: the list&apos;s name for readers and the schedule&apos;s column keep them whole.</extracomment>
        <translation>નાણાકીય વર્ષ</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="115"/>
        <source>Calculate</source>
        <translation>ગણતરી કરો</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="125"/>
        <source>Financial Year ends</source>
        <translation>નાણાકીય વર્ષનો અંત</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="159"/>
        <location filename="../ui/certificates/DateDelegate.cpp" line="66"/>
        <source>Choose date of purchase</source>
        <translation>ખરીદ તારીખ પસંદ કરો</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="160"/>
        <source>Open the calendar to pick the date of purchase</source>
        <translation>ખરીદ તારીખ પસંદ કરવા માટે કૅલેન્ડર ખોલો</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="174"/>
        <location filename="../ui/certificates/DateDelegate.cpp" line="37"/>
        <source>Date of purchase calendar</source>
        <translation>ખરીદ તારીખનું કૅલેન્ડર</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="193"/>
        <source>Copy</source>
        <translation>કૉપિ કરો</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="197"/>
        <source>Copy Schedule</source>
        <translation>અનુસૂચિ કૉપિ કરો</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="198"/>
        <source>Add to Certificates</source>
        <translation>પ્રમાણપત્રોમાં ઉમેરો</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="200"/>
        <source>Certificates…</source>
        <translation>પ્રમાણપત્રો…</translation>
    </message>
    <message>
        <location filename="../ui/ScheduleText.cpp" line="32"/>
        <source>Year of life</source>
        <extracomment>A column of the schedule, in the result&apos;s tooltip and in the table Copy Schedule copies: which year of the certificate&apos;s six it is.</extracomment>
        <translation>મુદતનું વર્ષ</translation>
    </message>
    <message>
        <location filename="../ui/ScheduleText.cpp" line="35"/>
        <source>Anniversary</source>
        <extracomment>A column of the schedule (tooltip and copied table): the day each year of the certificate&apos;s life completes.</extracomment>
        <translation>વાર્ષિક તારીખ</translation>
    </message>
    <message>
        <location filename="../ui/ScheduleText.cpp" line="38"/>
        <source>Amount</source>
        <extracomment>A column of the schedule (tooltip and copied table): the interest of that year.</extracomment>
        <translation>રકમ</translation>
    </message>
    <message>
        <location filename="../ui/ScheduleText.cpp" line="48"/>
        <source>Total</source>
        <extracomment>The schedule&apos;s last row (tooltip and copied table): the interest of all six years.</extracomment>
        <translation>કુલ</translation>
    </message>
    <message>
        <location filename="../ui/ScheduleText.cpp" line="86"/>
        <source>before %1</source>
        <extracomment>%1 is the first day of the next period: the period holds every day before it.</extracomment>
        <translation>%1 પહેલાં</translation>
    </message>
    <message>
        <location filename="../ui/ScheduleText.cpp" line="90"/>
        <source>from %1</source>
        <extracomment>%1 is the period&apos;s first day; it has no last one.</extracomment>
        <translation>%1 થી</translation>
    </message>
    <message>
        <location filename="../ui/ScheduleText.cpp" line="93"/>
        <source>from %1 to %2</source>
        <extracomment>%1 is the period&apos;s first day, %2 its last.</extracomment>
        <translation>%1 થી %2 સુધી</translation>
    </message>
    <message>
        <location filename="../ui/ScheduleText.cpp" line="132"/>
        <source>Year %1 of the certificate&apos;s life, anniversary on %2, rates of certificates bought %3</source>
        <extracomment>Told to screen readers of the amount: %1 is the year of life (1 to 6), %2 the date of its anniversary, %3 the issue period (&quot;from %1 to %2&quot;, &quot;before %1&quot; or &quot;from %1&quot;).</extracomment>
        <translation>પ્રમાણપત્રની મુદતનું વર્ષ %1, વાર્ષિક તારીખ %2, %3 ખરીદેલાં પ્રમાણપત્રોના વ્યાજ દર</translation>
    </message>
</context>
<context>
    <name>NoticeBox</name>
    <message>
        <location filename="../ui/NoticeBox.cpp" line="52"/>
        <source>OK</source>
        <translation>ઠીક છે</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <location filename="../ui/QtTexts.cpp" line="10"/>
        <source>&amp;Undo</source>
        <translation>પૂર્વવત્ કરો (&amp;U)</translation>
    </message>
    <message>
        <location filename="../ui/QtTexts.cpp" line="10"/>
        <source>&amp;Redo</source>
        <translation>ફરી કરો (&amp;R)</translation>
    </message>
    <message>
        <location filename="../ui/QtTexts.cpp" line="11"/>
        <source>Cu&amp;t</source>
        <translation>કાપો (&amp;T)</translation>
    </message>
    <message>
        <location filename="../ui/QtTexts.cpp" line="11"/>
        <source>&amp;Copy</source>
        <translation>કૉપિ કરો (&amp;C)</translation>
    </message>
    <message>
        <location filename="../ui/QtTexts.cpp" line="12"/>
        <source>&amp;Paste</source>
        <translation>પેસ્ટ કરો (&amp;P)</translation>
    </message>
    <message>
        <location filename="../ui/QtTexts.cpp" line="12"/>
        <source>Delete</source>
        <translation>કાઢી નાખો</translation>
    </message>
    <message>
        <location filename="../ui/QtTexts.cpp" line="13"/>
        <source>Select All</source>
        <translation>બધું પસંદ કરો</translation>
    </message>
</context>
</TS>
