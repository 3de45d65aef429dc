<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi" sourcelanguage="en">
<context>
    <name>Calendar</name>
    <message>
        <location filename="../ui/accessible/Accessibility.cpp" line="43"/>
        <source>Previous month</source>
        <translation>पिछला महीना</translation>
    </message>
    <message>
        <location filename="../ui/accessible/Accessibility.cpp" line="44"/>
        <source>Next month</source>
        <translation>अगला महीना</translation>
    </message>
    <message>
        <location filename="../ui/accessible/Accessibility.cpp" line="46"/>
        <source>Month %1</source>
        <translation>महीना %1</translation>
    </message>
    <message>
        <location filename="../ui/accessible/Accessibility.cpp" line="48"/>
        <source>Year %1</source>
        <translation>वर्ष %1</translation>
    </message>
    <message>
        <location filename="../ui/accessible/Accessibility.cpp" line="49"/>
        <source>Year</source>
        <translation>वर्ष</translation>
    </message>
    <message>
        <location filename="../ui/accessible/CalendarDayAccessible.cpp" line="95"/>
        <source>Select</source>
        <translation>चुनें</translation>
    </message>
    <message>
        <location filename="../ui/accessible/CalendarDayAccessible.cpp" line="101"/>
        <source>Makes this day the calendar&apos;s date</source>
        <translation>इस दिन को कैलेंडर की तिथि बनाता है</translation>
    </message>
</context>
<context>
    <name>CertificateModel</name>
    <message>
        <location filename="../ui/certificates/CertificateModel.cpp" line="196"/>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="55"/>
        <source>Certificate</source>
        <translation>प्रमाणपत्र</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateModel.cpp" line="198"/>
        <source>Denomination</source>
        <translation>अंकित मूल्य</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateModel.cpp" line="200"/>
        <source>Date of purchase</source>
        <translation>क्रय तिथि</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateModel.cpp" line="204"/>
        <source>Column %1</source>
        <translation>स्तंभ %1</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateModel.cpp" line="213"/>
        <source>New certificate</source>
        <translation>नया प्रमाणपत्र</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateModel.cpp" line="219"/>
        <source>Row %1</source>
        <translation>पंक्ति %1</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateModel.cpp" line="239"/>
        <location filename="../ui/certificates/CertificateModel.cpp" line="247"/>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="68"/>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="76"/>
        <source>Total</source>
        <translation>कुल</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateModel.cpp" line="323"/>
        <source>The financial year chosen in the calculator</source>
        <translation>कैलकुलेटर में चुना गया वित्तीय वर्ष</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateModel.cpp" line="411"/>
        <source>Add Certificate</source>
        <translation>प्रमाणपत्र जोड़ें</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateModel.cpp" line="432"/>
        <source>Edit</source>
        <translation>संपादन</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateModel.cpp" line="449"/>
        <location filename="../ui/certificates/CertificateModel.cpp" line="456"/>
        <source>Delete</source>
        <translation>हटाएँ</translation>
    </message>
</context>
<context>
    <name>CertificateWindow</name>
    <message>
        <location filename="../ui/certificates/CertificateClipboard.cpp" line="78"/>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="246"/>
        <source>line %1: %2</source>
        <translation>पंक्ति %1: %2</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateClipboard.cpp" line="86"/>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="184"/>
        <source>Paste</source>
        <translation>चिपकाएँ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateClipboard.cpp" line="90"/>
        <source>These lines were not pasted: %1.</source>
        <translation>ये पंक्तियाँ नहीं चिपकाई गईं: %1।</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="44"/>
        <source>Interest on certificates</source>
        <translation>प्रमाणपत्रों पर ब्याज</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="46"/>
        <source>File: %1</source>
        <translation>फ़ाइल: %1</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="47"/>
        <source>Date: %1</source>
        <translation>दिनांक: %1</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="50"/>
        <source>Financial year: %1</source>
        <translation>वित्तीय वर्ष: %1</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="56"/>
        <source>Year of life</source>
        <translation>अवधि का वर्ष</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="57"/>
        <source>Interest</source>
        <translation>ब्याज</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="73"/>
        <source>Every financial year</source>
        <translation>हर वित्तीय वर्ष</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="75"/>
        <source>Financial year</source>
        <translation>वित्तीय वर्ष</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="116"/>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="87"/>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="283"/>
        <source>Certificates</source>
        <translation>प्रमाणपत्र</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="119"/>
        <source>Export PDF</source>
        <translation>PDF निर्यात करें</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="120"/>
        <source>PDF files (*.pdf)</source>
        <translation>PDF फ़ाइलें (*.pdf)</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="58"/>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV फ़ाइलें (*.csv);;सभी फ़ाइलें (*)</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="106"/>
        <source>Total</source>
        <translation>कुल</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="153"/>
        <source>&amp;File</source>
        <translation>फ़ाइल (&amp;F)</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="154"/>
        <source>New</source>
        <translation>नया</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="155"/>
        <source>Open…</source>
        <translation>खोलें…</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="156"/>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="312"/>
        <source>Save</source>
        <translation>सहेजें</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="158"/>
        <source>Save As…</source>
        <translation>इस रूप में सहेजें…</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="163"/>
        <source>Print…</source>
        <translation>छापें…</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="164"/>
        <source>Export PDF…</source>
        <translation>PDF निर्यात करें…</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="166"/>
        <source>Close</source>
        <translation>बंद करें</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="168"/>
        <source>&amp;Edit</source>
        <translation>संपादन (&amp;E)</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="173"/>
        <source>Undo</source>
        <translation>पूर्ववत करें</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="174"/>
        <source>Redo</source>
        <translation>फिर से करें</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="182"/>
        <source>Cut</source>
        <translation>काटें</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="183"/>
        <source>Copy</source>
        <translation>कॉपी करें</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="185"/>
        <source>Delete</source>
        <translation>हटाएँ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="186"/>
        <source>Select All</source>
        <translation>सभी चुनें</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="189"/>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="345"/>
        <source>Add Certificate</source>
        <translation>प्रमाणपत्र जोड़ें</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="190"/>
        <source>Sort by This Column</source>
        <translation>इस स्तंभ के अनुसार क्रमबद्ध करें</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="194"/>
        <source>Untitled</source>
        <translation>बिना नाम</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="198"/>
        <source>%1[*] – Certificates – Tresk Interest Calculator</source>
        <translation>%1[*] – प्रमाणपत्र – ट्रेस्क ब्याज कैलकुलेटर</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="229"/>
        <source>%1 is not a CSV file.</source>
        <translation>%1 CSV फ़ाइल नहीं है।</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="230"/>
        <source>%1 could not be read.</source>
        <translation>%1 पढ़ी नहीं जा सकी।</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="252"/>
        <source>Some lines are not certificates and are kept as they are: %1.</source>
        <translation>कुछ पंक्तियाँ प्रमाणपत्र नहीं हैं और जैसी हैं वैसी रखी गई हैं: %1।</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="254"/>
        <source>More such lines: %1.</source>
        <translation>ऐसी और पंक्तियाँ: %1।</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="273"/>
        <source>Open</source>
        <translation>खोलें</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="284"/>
        <source>Save As</source>
        <translation>इस रूप में सहेजें</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="295"/>
        <source>The list could not be saved to %1: %2</source>
        <translation>सूची %1 में सहेजी नहीं जा सकी: %2</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="308"/>
        <source>Save the changes to %1?</source>
        <translation>%1 के बदलाव सहेजें?</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="313"/>
        <source>Discard</source>
        <translation>छोड़ें</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="314"/>
        <source>Cancel</source>
        <translation>रद्द करें</translation>
    </message>
</context>
<context>
    <name>Certificates</name>
    <message>
        <location filename="../ui/certificates/Reasons.cpp" line="11"/>
        <source>Too few fields</source>
        <translation>बहुत कम फ़ील्ड</translation>
    </message>
    <message>
        <location filename="../ui/certificates/Reasons.cpp" line="13"/>
        <source>No denomination</source>
        <translation>अंकित मूल्य नहीं है</translation>
    </message>
    <message>
        <location filename="../ui/certificates/Reasons.cpp" line="15"/>
        <source>The denomination is not a positive number</source>
        <translation>अंकित मूल्य धनात्मक संख्या नहीं है</translation>
    </message>
    <message>
        <location filename="../ui/certificates/Reasons.cpp" line="18"/>
        <source>The denomination is larger than 1,000,000,000,000</source>
        <translation>अंकित मूल्य 1,000,000,000,000 से अधिक है</translation>
    </message>
    <message>
        <location filename="../ui/certificates/Reasons.cpp" line="21"/>
        <source>No date of purchase</source>
        <translation>क्रय तिथि नहीं है</translation>
    </message>
    <message>
        <location filename="../ui/certificates/Reasons.cpp" line="23"/>
        <source>The date of purchase is not a date (DD/MM/YYYY)</source>
        <translation>क्रय तिथि कोई तिथि नहीं है (DD/MM/YYYY)</translation>
    </message>
    <message>
        <location filename="../ui/certificates/Reasons.cpp" line="26"/>
        <source>Not text</source>
        <translation>पाठ नहीं है</translation>
    </message>
    <message>
        <location filename="../ui/certificates/Reasons.cpp" line="28"/>
        <source>Longer than 1 MiB</source>
        <translation>1 MiB से लंबी</translation>
    </message>
    <message>
        <location filename="../ui/certificates/Reasons.cpp" line="30"/>
        <source>A quoted field is not closed</source>
        <translation>उद्धरण चिह्न वाली फ़ील्ड बंद नहीं है</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <location filename="../ui/Form1.cpp" line="25"/>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="54"/>
        <source>Tresk Interest Calculator</source>
        <translation>ट्रेस्क ब्याज कैलकुलेटर</translation>
    </message>
    <message>
        <location filename="../ui/Form1.cpp" line="27"/>
        <source>Pls. Select a year from the Drop Down List</source>
        <translation>कृपया ड्रॉप डाउन सूची से एक वर्ष चुनें</translation>
    </message>
    <message>
        <location filename="../ui/Form1.cpp" line="28"/>
        <source>Accrued Interest of Tresk will not be considered for the specified Financial Year</source>
        <translation>निर्दिष्ट वित्तीय वर्ष के लिए ट्रेस्क के उपार्जित ब्याज पर विचार नहीं किया जाएगा</translation>
    </message>
    <message>
        <location filename="../ui/Form1.cpp" line="30"/>
        <source>No Interest for this year</source>
        <translation>इस वर्ष के लिए कोई ब्याज नहीं</translation>
    </message>
    <message>
        <location filename="../ui/Form1.cpp" line="31"/>
        <source>Denomination is too large to calculate</source>
        <translation>अंकित मूल्य गणना के लिए बहुत बड़ा है</translation>
    </message>
    <message>
        <location filename="../ui/Form1.cpp" line="32"/>
        <source>Pls. Select a Financial Year from 1 to 9999 from the Drop Down List</source>
        <translation>कृपया ड्रॉप डाउन सूची से 1 से 9999 तक का कोई वित्तीय वर्ष चुनें</translation>
    </message>
    <message>
        <location filename="../ui/Form1.cpp" line="35"/>
        <source>The interest could not be calculated</source>
        <translation>ब्याज की गणना नहीं की जा सकी</translation>
    </message>
    <message>
        <location filename="../ui/Form1.cpp" line="153"/>
        <source>Enter Date of purchase %1</source>
        <extracomment>Told to screen readers when a day is picked on the calendar: %1 is the date. Word it as a sentence of its own; it need not repeat the caption&apos;s words.</extracomment>
        <translation>क्रय तिथि %1 चुनी गई</translation>
    </message>
    <message>
        <location filename="../ui/Form1.cpp" line="236"/>
        <source>Accrued Interest %1</source>
        <extracomment>Told to screen readers after Calculate: %1 is the amount shown. Word it as a sentence of its own; it need not repeat the caption&apos;s words.</extracomment>
        <translation>उपार्जित ब्याज %1 है</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="91"/>
        <source>Enter Denomination</source>
        <extracomment>The caption beside the denomination box (121 px), which also names the box to readers.</extracomment>
        <translation>अंकित मूल्य दर्ज करें</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="95"/>
        <source>Enter Date of purchase </source>
        <extracomment>The caption beside the date box (145 px), which also names the box to readers without its trailing blank.</extracomment>
        <translation>क्रय तिथि दर्ज करें </translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="98"/>
        <source>Accrued Interest</source>
        <extracomment>The caption beside the result box (121 px), which also names the box to readers.</extracomment>
        <translation>उपार्जित ब्याज</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="101"/>
        <source>Developed by -</source>
        <translation>विकासकर्ता -</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="149"/>
        <location filename="../ui/ScheduleText.cpp" line="36"/>
        <source>Financial Year</source>
        <extracomment>Names the year list to readers, and heads a column of the schedule in the result&apos;s tooltip and in the table Copy Schedule copies.</extracomment>
        <translation>वित्तीय वर्ष</translation>
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
        <translation>वित्तीय वर्ष</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="115"/>
        <source>Calculate</source>
        <translation>गणना करें</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="125"/>
        <source>Financial Year ends</source>
        <translation>वित्तीय वर्ष की समाप्ति</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="159"/>
        <location filename="../ui/certificates/DateDelegate.cpp" line="66"/>
        <source>Choose date of purchase</source>
        <translation>क्रय तिथि चुनें</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="160"/>
        <source>Open the calendar to pick the date of purchase</source>
        <translation>क्रय तिथि चुनने के लिए कैलेंडर खोलें</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="174"/>
        <location filename="../ui/certificates/DateDelegate.cpp" line="37"/>
        <source>Date of purchase calendar</source>
        <translation>क्रय तिथि कैलेंडर</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="193"/>
        <source>Copy</source>
        <translation>कॉपी करें</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="197"/>
        <source>Copy Schedule</source>
        <translation>अनुसूची कॉपी करें</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="198"/>
        <source>Add to Certificates</source>
        <translation>प्रमाणपत्रों में जोड़ें</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="200"/>
        <source>Certificates…</source>
        <translation>प्रमाणपत्र…</translation>
    </message>
    <message>
        <location filename="../ui/ScheduleText.cpp" line="32"/>
        <source>Year of life</source>
        <extracomment>A column of the schedule, in the result&apos;s tooltip and in the table Copy Schedule copies: which year of the certificate&apos;s six it is.</extracomment>
        <translation>अवधि का वर्ष</translation>
    </message>
    <message>
        <location filename="../ui/ScheduleText.cpp" line="35"/>
        <source>Anniversary</source>
        <extracomment>A column of the schedule (tooltip and copied table): the day each year of the certificate&apos;s life completes.</extracomment>
        <translation>वार्षिक तिथि</translation>
    </message>
    <message>
        <location filename="../ui/ScheduleText.cpp" line="38"/>
        <source>Amount</source>
        <extracomment>A column of the schedule (tooltip and copied table): the interest of that year.</extracomment>
        <translation>राशि</translation>
    </message>
    <message>
        <location filename="../ui/ScheduleText.cpp" line="48"/>
        <source>Total</source>
        <extracomment>The schedule&apos;s last row (tooltip and copied table): the interest of all six years.</extracomment>
        <translation>कुल</translation>
    </message>
    <message>
        <location filename="../ui/ScheduleText.cpp" line="86"/>
        <source>before %1</source>
        <extracomment>%1 is the first day of the next period: the period holds every day before it.</extracomment>
        <translation>%1 से पहले</translation>
    </message>
    <message>
        <location filename="../ui/ScheduleText.cpp" line="90"/>
        <source>from %1</source>
        <extracomment>%1 is the period&apos;s first day; it has no last one.</extracomment>
        <translation>%1 से</translation>
    </message>
    <message>
        <location filename="../ui/ScheduleText.cpp" line="93"/>
        <source>from %1 to %2</source>
        <extracomment>%1 is the period&apos;s first day, %2 its last.</extracomment>
        <translation>%1 से %2 तक</translation>
    </message>
    <message>
        <location filename="../ui/ScheduleText.cpp" line="132"/>
        <source>Year %1 of the certificate&apos;s life, anniversary on %2, rates of certificates bought %3</source>
        <extracomment>Told to screen readers of the amount: %1 is the year of life (1 to 6), %2 the date of its anniversary, %3 the issue period (&quot;from %1 to %2&quot;, &quot;before %1&quot; or &quot;from %1&quot;).</extracomment>
        <translation>प्रमाणपत्र की अवधि का वर्ष %1, वार्षिक तिथि %2, %3 खरीदे गए प्रमाणपत्रों की ब्याज दरें</translation>
    </message>
</context>
<context>
    <name>NoticeBox</name>
    <message>
        <location filename="../ui/NoticeBox.cpp" line="52"/>
        <source>OK</source>
        <translation>ठीक है</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <location filename="../ui/QtTexts.cpp" line="10"/>
        <source>&amp;Undo</source>
        <translation>पूर्ववत करें (&amp;U)</translation>
    </message>
    <message>
        <location filename="../ui/QtTexts.cpp" line="10"/>
        <source>&amp;Redo</source>
        <translation>फिर से करें (&amp;R)</translation>
    </message>
    <message>
        <location filename="../ui/QtTexts.cpp" line="11"/>
        <source>Cu&amp;t</source>
        <translation>काटें (&amp;T)</translation>
    </message>
    <message>
        <location filename="../ui/QtTexts.cpp" line="11"/>
        <source>&amp;Copy</source>
        <translation>कॉपी करें (&amp;C)</translation>
    </message>
    <message>
        <location filename="../ui/QtTexts.cpp" line="12"/>
        <source>&amp;Paste</source>
        <translation>चिपकाएँ (&amp;P)</translation>
    </message>
    <message>
        <location filename="../ui/QtTexts.cpp" line="12"/>
        <source>Delete</source>
        <translation>हटाएँ</translation>
    </message>
    <message>
        <location filename="../ui/QtTexts.cpp" line="13"/>
        <source>Select All</source>
        <translation>सभी चुनें</translation>
    </message>
</context>
</TS>
