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
        <translation>આગલો મહિનો</translation>
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
    <name>Form1</name>
    <message>
        <location filename="../ui/Form1.cpp" line="24"/>
        <source>Tresk Interest Calculator</source>
        <translation>ટ્રેસ્ક વ્યાજ કેલ્ક્યુલેટર</translation>
    </message>
    <message>
        <location filename="../ui/Form1.cpp" line="26"/>
        <source>Pls. Select a year from the Drop Down List</source>
        <translation>કૃપા કરીને ડ્રોપ ડાઉન યાદીમાંથી એક વર્ષ પસંદ કરો</translation>
    </message>
    <message>
        <location filename="../ui/Form1.cpp" line="27"/>
        <source>Accrued Interest of Tresk will not be considered for the specified Financial Year</source>
        <translation>નિર્દિષ્ટ નાણાકીય વર્ષ માટે ટ્રેસ્કનું ઉપાર્જિત વ્યાજ ગણતરીમાં લેવાશે નહીં</translation>
    </message>
    <message>
        <location filename="../ui/Form1.cpp" line="29"/>
        <source>No Interest for this year</source>
        <translation>આ વર્ષ માટે કોઈ વ્યાજ નથી</translation>
    </message>
    <message>
        <location filename="../ui/Form1.cpp" line="30"/>
        <source>Denomination is too large to calculate</source>
        <translation>અંકિત મૂલ્ય ગણતરી માટે ખૂબ મોટું છે</translation>
    </message>
    <message>
        <location filename="../ui/Form1.cpp" line="31"/>
        <source>Pls. Select a Financial Year from 1 to 9999 from the Drop Down List</source>
        <translation>કૃપા કરીને ડ્રોપ ડાઉન યાદીમાંથી 1 થી 9999 સુધીનું એક નાણાકીય વર્ષ પસંદ કરો</translation>
    </message>
    <message>
        <location filename="../ui/Form1.cpp" line="34"/>
        <source>The interest could not be calculated</source>
        <translation>વ્યાજની ગણતરી થઈ શકી નથી</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="78"/>
        <source>Enter Denomination</source>
        <translation>અંકિત મૂલ્ય દાખલ કરો</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="80"/>
        <source>Enter Date of purchase </source>
        <translation>ખરીદ તારીખ દાખલ કરો </translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="82"/>
        <source>Accrued Interest</source>
        <translation>ઉપાર્જિત વ્યાજ</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="85"/>
        <source>Developed by -</source>
        <translation>વિકાસકર્તા -</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="88"/>
        <location filename="../ui/Form1Schedule.cpp" line="65"/>
        <source>Financial Year</source>
        <translation>નાણાકીય વર્ષ</translation>
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
        <translation>ગણતરી કરો</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="106"/>
        <source>Financial Year ends</source>
        <translation>નાણાકીય વર્ષનો અંત</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="137"/>
        <source>Choose date of purchase</source>
        <translation>ખરીદ તારીખ પસંદ કરો</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="138"/>
        <source>Open the calendar to pick the date of purchase</source>
        <translation>ખરીદ તારીખ પસંદ કરવા માટે કૅલેન્ડર ખોલો</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="152"/>
        <source>Date of purchase calendar</source>
        <translation>ખરીદ તારીખનું કૅલેન્ડર</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="171"/>
        <source>Copy</source>
        <translation>કૉપિ કરો</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="175"/>
        <source>Copy Schedule</source>
        <translation>અનુસૂચિ કૉપિ કરો</translation>
    </message>
    <message>
        <location filename="../ui/Form1Schedule.cpp" line="65"/>
        <source>Year of life</source>
        <translation>મુદતનું વર્ષ</translation>
    </message>
    <message>
        <location filename="../ui/Form1Schedule.cpp" line="65"/>
        <source>Anniversary</source>
        <translation>વાર્ષિક તારીખ</translation>
    </message>
    <message>
        <location filename="../ui/Form1Schedule.cpp" line="66"/>
        <source>Amount</source>
        <translation>રકમ</translation>
    </message>
    <message>
        <location filename="../ui/Form1Schedule.cpp" line="82"/>
        <source>Total</source>
        <translation>કુલ</translation>
    </message>
    <message>
        <location filename="../ui/Form1Schedule.cpp" line="78"/>
        <source>Year %1 of the certificate&apos;s life, anniversary on %2, rates of certificates bought %3</source>
        <translation>પ્રમાણપત્રની મુદતનું વર્ષ %1, વાર્ષિક તારીખ %2, %3 ખરીદેલાં પ્રમાણપત્રોના વ્યાજ દર</translation>
    </message>
    <message>
        <location filename="../ui/Form1Schedule.cpp" line="29"/>
        <source>before 1 March 2001</source>
        <translation>1 માર્ચ 2001 પહેલાં</translation>
    </message>
    <message>
        <location filename="../ui/Form1Schedule.cpp" line="31"/>
        <source>from 1 March 2001 to 28 February 2002</source>
        <translation>1 માર્ચ 2001 થી 28 ફેબ્રુઆરી 2002 સુધી</translation>
    </message>
    <message>
        <location filename="../ui/Form1Schedule.cpp" line="33"/>
        <source>from 1 March 2002 to 28 February 2003</source>
        <translation>1 માર્ચ 2002 થી 28 ફેબ્રુઆરી 2003 સુધી</translation>
    </message>
    <message>
        <location filename="../ui/Form1Schedule.cpp" line="37"/>
        <source>from 1 March 2003</source>
        <translation>1 માર્ચ 2003 થી</translation>
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
</TS>
