<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="te" sourcelanguage="en">
<context>
    <name>Calendar</name>
    <message>
        <source>Previous month</source>
        <translation>మునుపటి నెల</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>తదుపరి నెల</translation>
    </message>
    <message>
        <source>Month %1</source>
        <translation>నెల %1</translation>
    </message>
    <message>
        <source>Year %1</source>
        <translation>సంవత్సరం %1</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>సంవత్సరం</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>ఎంచుకోండి</translation>
    </message>
    <message>
        <source>Makes this day the calendar's date</source>
        <translation>ఈ రోజును క్యాలెండర్ తేదీగా చేస్తుంది</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Tresk Interest Calculator</source>
        <translation>ట్రెస్క్ వడ్డీ కాలిక్యులేటర్</translation>
    </message>
    <message>
        <source>Pls. Select a year from the Drop Down List</source>
        <translation>దయచేసి డ్రాప్ డౌన్ జాబితా నుండి ఒక సంవత్సరాన్ని ఎంచుకోండి</translation>
    </message>
    <message>
        <source>Accrued Interest of Tresk will not be considered for the specified Financial Year</source>
        <translation>పేర్కొన్న ఆర్థిక సంవత్సరానికి ట్రెస్క్ ఆర్జిత వడ్డీ పరిగణించబడదు</translation>
    </message>
    <message>
        <source>No Interest for this year</source>
        <translation>ఈ సంవత్సరానికి వడ్డీ లేదు</translation>
    </message>
    <message>
        <source>Denomination is too large to calculate</source>
        <translation>ముఖ విలువ లెక్కించడానికి చాలా పెద్దది</translation>
    </message>
    <message>
        <source>Pls. Select a Financial Year from 1 to 9999 from the Drop Down List</source>
        <translation>దయచేసి డ్రాప్ డౌన్ జాబితా నుండి 1 నుండి 9999 వరకు ఒక ఆర్థిక సంవత్సరాన్ని ఎంచుకోండి</translation>
    </message>
    <message>
        <source>The interest could not be calculated</source>
        <translation>వడ్డీని లెక్కించడం సాధ్యం కాలేదు</translation>
    </message>
    <message>
        <source>Enter Denomination</source>
        <translation>ముఖ విలువ ఇవ్వండి</translation>
    </message>
    <message>
        <source>Enter Date of purchase </source>
        <translation>కొనుగోలు తేదీ ఇవ్వండి </translation>
    </message>
    <message>
        <source>Accrued Interest</source>
        <translation>ఆర్జిత వడ్డీ</translation>
    </message>
    <message>
        <source>Developed by -</source>
        <translation>రూపకర్త -</translation>
    </message>
    <message>
        <source>Financial Year</source>
        <translation>ఆర్థిక సంవత్సరం</translation>
    </message>
    <message>
        <source>"YYYY"</source>
        <translation>"YYYY"</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>లెక్కించు</translation>
    </message>
    <message>
        <source>Financial Year ends</source>
        <translation>ఆర్థిక సంవత్సరం ముగింపు</translation>
    </message>
    <message>
        <source>Choose date of purchase</source>
        <translation>కొనుగోలు తేదీని ఎంచుకోండి</translation>
    </message>
    <message>
        <source>Open the calendar to pick the date of purchase</source>
        <translation>కొనుగోలు తేదీని ఎంచుకోవడానికి క్యాలెండర్ తెరవండి</translation>
    </message>
    <message>
        <source>Date of purchase calendar</source>
        <translation>కొనుగోలు తేదీ క్యాలెండర్</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>కాపీ చేయి</translation>
    </message>
    <message>
        <source>Copy Schedule</source>
        <translation>షెడ్యూల్ కాపీ చేయి</translation>
    </message>
    <message>
        <source>Year of life</source>
        <translation>కాలవ్యవధి సంవత్సరం</translation>
    </message>
    <message>
        <source>Anniversary</source>
        <translation>వార్షిక తేదీ</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>మొత్తం</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>మొత్తం కలిపి</translation>
    </message>
    <message>
        <source>Year %1 of the certificate's life, anniversary on %2, rates of certificates bought %3</source>
        <translation>సర్టిఫికెట్ కాలవ్యవధిలో సంవత్సరం %1, వార్షిక తేదీ %2, %3 కొన్న సర్టిఫికెట్ల వడ్డీ రేట్లు</translation>
    </message>
    <message>
        <source>before 1 March 2001</source>
        <translation>1 మార్చి 2001కి ముందు</translation>
    </message>
    <message>
        <source>from 1 March 2001 to 28 February 2002</source>
        <translation>1 మార్చి 2001 నుండి 28 ఫిబ్రవరి 2002 వరకు</translation>
    </message>
    <message>
        <source>from 1 March 2002 to 28 February 2003</source>
        <translation>1 మార్చి 2002 నుండి 28 ఫిబ్రవరి 2003 వరకు</translation>
    </message>
    <message>
        <source>from 1 March 2003</source>
        <translation>1 మార్చి 2003 నుండి</translation>
    </message>
</context>
<context>
    <name>NoticeBox</name>
    <message>
        <source>OK</source>
        <translation>సరే</translation>
    </message>
</context>
</TS>
