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
        <location filename="../ui/Form1.cpp" line="24"/>
        <source>Tresk Interest Calculator</source>
        <translation>ट्रेस्क ब्याज कैलकुलेटर</translation>
    </message>
    <message>
        <location filename="../ui/Form1.cpp" line="26"/>
        <source>Pls. Select a year from the Drop Down List</source>
        <translation>कृपया ड्रॉप डाउन सूची से एक वर्ष चुनें</translation>
    </message>
    <message>
        <location filename="../ui/Form1.cpp" line="27"/>
        <source>Accrued Interest of Tresk will not be considered for the specified Financial Year</source>
        <translation>निर्दिष्ट वित्तीय वर्ष के लिए ट्रेस्क का उपार्जित ब्याज नहीं माना जाएगा</translation>
    </message>
    <message>
        <location filename="../ui/Form1.cpp" line="29"/>
        <source>No Interest for this year</source>
        <translation>इस वर्ष के लिए कोई ब्याज नहीं</translation>
    </message>
    <message>
        <location filename="../ui/Form1.cpp" line="30"/>
        <source>Denomination is too large to calculate</source>
        <translation>अंकित मूल्य गणना के लिए बहुत बड़ा है</translation>
    </message>
    <message>
        <location filename="../ui/Form1.cpp" line="31"/>
        <source>Pls. Select a Financial Year from 1 to 9999 from the Drop Down List</source>
        <translation>कृपया ड्रॉप डाउन सूची से 1 से 9999 तक का कोई वित्तीय वर्ष चुनें</translation>
    </message>
    <message>
        <location filename="../ui/Form1.cpp" line="34"/>
        <source>The interest could not be calculated</source>
        <translation>ब्याज की गणना नहीं की जा सकी</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="78"/>
        <source>Enter Denomination</source>
        <translation>अंकित मूल्य दर्ज करें</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="80"/>
        <source>Enter Date of purchase </source>
        <translation>क्रय तिथि दर्ज करें </translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="82"/>
        <source>Accrued Interest</source>
        <translation>उपार्जित ब्याज</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="85"/>
        <source>Developed by -</source>
        <translation>विकासकर्ता -</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="88"/>
        <location filename="../ui/Form1Schedule.cpp" line="65"/>
        <source>Financial Year</source>
        <translation>वित्तीय वर्ष</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="89"/>
        <location filename="../ui/Form1Controls.cpp" line="90"/>
        <source>&quot;YYYY&quot;</source>
        <translation>&quot;YYYY&quot;</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="96"/>
        <source>Calculate</source>
        <translation>गणना करें</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="106"/>
        <source>Financial Year ends</source>
        <translation>वित्तीय वर्ष की समाप्ति</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="137"/>
        <source>Choose date of purchase</source>
        <translation>क्रय तिथि चुनें</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="138"/>
        <source>Open the calendar to pick the date of purchase</source>
        <translation>क्रय तिथि चुनने के लिए कैलेंडर खोलें</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="152"/>
        <source>Date of purchase calendar</source>
        <translation>क्रय तिथि कैलेंडर</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="171"/>
        <source>Copy</source>
        <translation>कॉपी करें</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="175"/>
        <source>Copy Schedule</source>
        <translation>अनुसूची कॉपी करें</translation>
    </message>
    <message>
        <location filename="../ui/Form1Schedule.cpp" line="65"/>
        <source>Year of life</source>
        <translation>अवधि का वर्ष</translation>
    </message>
    <message>
        <location filename="../ui/Form1Schedule.cpp" line="65"/>
        <source>Anniversary</source>
        <translation>वर्षगांठ</translation>
    </message>
    <message>
        <location filename="../ui/Form1Schedule.cpp" line="66"/>
        <source>Amount</source>
        <translation>राशि</translation>
    </message>
    <message>
        <location filename="../ui/Form1Schedule.cpp" line="82"/>
        <source>Total</source>
        <translation>कुल</translation>
    </message>
    <message>
        <location filename="../ui/Form1Schedule.cpp" line="78"/>
        <source>Year %1 of the certificate&apos;s life, anniversary on %2, rates of certificates bought %3</source>
        <translation>प्रमाणपत्र की अवधि का वर्ष %1, वर्षगांठ %2 को, %3 खरीदे गए प्रमाणपत्रों की ब्याज दरें</translation>
    </message>
    <message>
        <location filename="../ui/Form1Schedule.cpp" line="29"/>
        <source>before 1 March 2001</source>
        <translation>1 मार्च 2001 से पहले</translation>
    </message>
    <message>
        <location filename="../ui/Form1Schedule.cpp" line="31"/>
        <source>from 1 March 2001 to 28 February 2002</source>
        <translation>1 मार्च 2001 से 28 फ़रवरी 2002 तक</translation>
    </message>
    <message>
        <location filename="../ui/Form1Schedule.cpp" line="33"/>
        <source>from 1 March 2002 to 28 February 2003</source>
        <translation>1 मार्च 2002 से 28 फ़रवरी 2003 तक</translation>
    </message>
    <message>
        <location filename="../ui/Form1Schedule.cpp" line="37"/>
        <source>from 1 March 2003</source>
        <translation>1 मार्च 2003 से</translation>
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
</TS>
