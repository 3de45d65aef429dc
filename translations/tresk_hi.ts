<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi" sourcelanguage="en">
<context>
    <name>Calendar</name>
    <message>
        <source>Previous month</source>
        <translation>पिछला महीना</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>अगला महीना</translation>
    </message>
    <message>
        <source>Month %1</source>
        <translation>महीना %1</translation>
    </message>
    <message>
        <source>Year %1</source>
        <translation>वर्ष %1</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>वर्ष</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>चुनें</translation>
    </message>
    <message>
        <source>Makes this day the calendar's date</source>
        <translation>इस दिन को कैलेंडर की तिथि बनाता है</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Tresk Interest Calculator</source>
        <translation>ट्रेस्क ब्याज कैलकुलेटर</translation>
    </message>
    <message>
        <source>Pls. Select a year from the Drop Down List</source>
        <translation>कृपया ड्रॉप डाउन सूची से एक वर्ष चुनें</translation>
    </message>
    <message>
        <source>Accrued Interest of Tresk will not be considered for the specified Financial Year</source>
        <translation>निर्दिष्ट वित्तीय वर्ष के लिए ट्रेस्क का उपार्जित ब्याज नहीं माना जाएगा</translation>
    </message>
    <message>
        <source>No Interest for this year</source>
        <translation>इस वर्ष के लिए कोई ब्याज नहीं</translation>
    </message>
    <message>
        <source>Denomination is too large to calculate</source>
        <translation>अंकित मूल्य गणना के लिए बहुत बड़ा है</translation>
    </message>
    <message>
        <source>Pls. Select a Financial Year from 1 to 9999 from the Drop Down List</source>
        <translation>कृपया ड्रॉप डाउन सूची से 1 से 9999 तक का कोई वित्तीय वर्ष चुनें</translation>
    </message>
    <message>
        <source>The interest could not be calculated</source>
        <translation>ब्याज की गणना नहीं की जा सकी</translation>
    </message>
    <message>
        <source>Enter Denomination</source>
        <translation>अंकित मूल्य दर्ज करें</translation>
    </message>
    <message>
        <source>Enter Date of purchase </source>
        <translation>क्रय तिथि दर्ज करें </translation>
    </message>
    <message>
        <source>Accrued Interest</source>
        <translation>उपार्जित ब्याज</translation>
    </message>
    <message>
        <source>Developed by -</source>
        <translation>विकासकर्ता -</translation>
    </message>
    <message>
        <source>Financial Year</source>
        <translation>वित्तीय वर्ष</translation>
    </message>
    <message>
        <source>"YYYY"</source>
        <translation>"YYYY"</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>गणना करें</translation>
    </message>
    <message>
        <source>Financial Year ends</source>
        <translation>वित्तीय वर्ष की समाप्ति</translation>
    </message>
    <message>
        <source>Choose date of purchase</source>
        <translation>क्रय तिथि चुनें</translation>
    </message>
    <message>
        <source>Open the calendar to pick the date of purchase</source>
        <translation>क्रय तिथि चुनने के लिए कैलेंडर खोलें</translation>
    </message>
    <message>
        <source>Date of purchase calendar</source>
        <translation>क्रय तिथि कैलेंडर</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>कॉपी करें</translation>
    </message>
    <message>
        <source>Copy Schedule</source>
        <translation>अनुसूची कॉपी करें</translation>
    </message>
    <message>
        <source>Year of life</source>
        <translation>अवधि का वर्ष</translation>
    </message>
    <message>
        <source>Anniversary</source>
        <translation>वर्षगांठ</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>राशि</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>कुल</translation>
    </message>
    <message>
        <source>Year %1 of the certificate's life, anniversary on %2, rates of certificates bought %3</source>
        <translation>प्रमाणपत्र की अवधि का वर्ष %1, वर्षगांठ %2 को, %3 खरीदे गए प्रमाणपत्रों की ब्याज दरें</translation>
    </message>
    <message>
        <source>before 1 March 2001</source>
        <translation>1 मार्च 2001 से पहले</translation>
    </message>
    <message>
        <source>from 1 March 2001 to 28 February 2002</source>
        <translation>1 मार्च 2001 से 28 फ़रवरी 2002 तक</translation>
    </message>
    <message>
        <source>from 1 March 2002 to 28 February 2003</source>
        <translation>1 मार्च 2002 से 28 फ़रवरी 2003 तक</translation>
    </message>
    <message>
        <source>from 1 March 2003</source>
        <translation>1 मार्च 2003 से</translation>
    </message>
</context>
<context>
    <name>NoticeBox</name>
    <message>
        <source>OK</source>
        <translation>ठीक है</translation>
    </message>
</context>
</TS>
