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
    <name>Form1</name>
    <message>
        <location filename="../ui/Form1.cpp" line="25"/>
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
        <location filename="../ui/Form1.cpp" line="151"/>
        <source>Enter Date of purchase %1</source>
        <extracomment>Told to screen readers when a day is picked on the calendar: %1 is the date. Word it as a sentence of its own; it need not repeat the caption&apos;s words.</extracomment>
        <translation>क्रय तिथि %1 चुनी गई</translation>
    </message>
    <message>
        <location filename="../ui/Form1.cpp" line="234"/>
        <source>Accrued Interest %1</source>
        <extracomment>Told to screen readers after Calculate: %1 is the amount shown. Word it as a sentence of its own; it need not repeat the caption&apos;s words.</extracomment>
        <translation>उपार्जित ब्याज %1 है</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="79"/>
        <source>Enter Denomination</source>
        <extracomment>The caption beside the denomination box (121 px), which also names the box to readers.</extracomment>
        <translation>अंकित मूल्य दर्ज करें</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="83"/>
        <source>Enter Date of purchase </source>
        <extracomment>The caption beside the date box (145 px), which also names the box to readers without its trailing blank.</extracomment>
        <translation>क्रय तिथि दर्ज करें </translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="86"/>
        <source>Accrued Interest</source>
        <extracomment>The caption beside the result box (121 px), which also names the box to readers.</extracomment>
        <translation>उपार्जित ब्याज</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="89"/>
        <source>Developed by -</source>
        <translation>विकासकर्ता -</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="137"/>
        <location filename="../ui/ScheduleText.cpp" line="36"/>
        <source>Financial Year</source>
        <extracomment>Names the year list to readers, and heads a column of the schedule in the result&apos;s tooltip and in the table Copy Schedule copies.</extracomment>
        <translation>वित्तीय वर्ष</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="96"/>
        <location filename="../ui/Form1Controls.cpp" line="97"/>
        <source>&quot;YYYY&quot;</source>
        <extracomment>The form of a year, shown above the year list and above the box of the year after it.</extracomment>
        <translation>&quot;YYYY&quot;</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="93"/>
        <source>Financial Year</source>
        <comment>caption</comment>
        <extracomment>The caption beside the year list (97 px). Where the words do not fit, shorten them here only: the list&apos;s name for readers and the schedule&apos;s column keep them whole.</extracomment>
        <translation>वित्तीय वर्ष</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="103"/>
        <source>Calculate</source>
        <translation>गणना करें</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="113"/>
        <source>Financial Year ends</source>
        <translation>वित्तीय वर्ष की समाप्ति</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="147"/>
        <source>Choose date of purchase</source>
        <translation>क्रय तिथि चुनें</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="148"/>
        <source>Open the calendar to pick the date of purchase</source>
        <translation>क्रय तिथि चुनने के लिए कैलेंडर खोलें</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="162"/>
        <source>Date of purchase calendar</source>
        <translation>क्रय तिथि कैलेंडर</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="181"/>
        <source>Copy</source>
        <translation>कॉपी करें</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="185"/>
        <source>Copy Schedule</source>
        <translation>अनुसूची कॉपी करें</translation>
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
