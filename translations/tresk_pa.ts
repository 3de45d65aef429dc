<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pa" sourcelanguage="en">
<context>
    <name>Calendar</name>
    <message>
        <location filename="../ui/accessible/Accessibility.cpp" line="43"/>
        <source>Previous month</source>
        <translation>ਪਿਛਲਾ ਮਹੀਨਾ</translation>
    </message>
    <message>
        <location filename="../ui/accessible/Accessibility.cpp" line="44"/>
        <source>Next month</source>
        <translation>ਅਗਲਾ ਮਹੀਨਾ</translation>
    </message>
    <message>
        <location filename="../ui/accessible/Accessibility.cpp" line="46"/>
        <source>Month %1</source>
        <translation>ਮਹੀਨਾ %1</translation>
    </message>
    <message>
        <location filename="../ui/accessible/Accessibility.cpp" line="48"/>
        <source>Year %1</source>
        <translation>ਸਾਲ %1</translation>
    </message>
    <message>
        <location filename="../ui/accessible/Accessibility.cpp" line="49"/>
        <source>Year</source>
        <translation>ਸਾਲ</translation>
    </message>
    <message>
        <location filename="../ui/accessible/CalendarDayAccessible.cpp" line="95"/>
        <source>Select</source>
        <translation>ਚੁਣੋ</translation>
    </message>
    <message>
        <location filename="../ui/accessible/CalendarDayAccessible.cpp" line="101"/>
        <source>Makes this day the calendar&apos;s date</source>
        <translation>ਇਸ ਦਿਨ ਨੂੰ ਕੈਲੰਡਰ ਦੀ ਮਿਤੀ ਬਣਾਉਂਦਾ ਹੈ</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <location filename="../ui/Form1.cpp" line="24"/>
        <source>Tresk Interest Calculator</source>
        <translation>ਟ੍ਰੇਸਕ ਵਿਆਜ ਕੈਲਕੂਲੇਟਰ</translation>
    </message>
    <message>
        <location filename="../ui/Form1.cpp" line="26"/>
        <source>Pls. Select a year from the Drop Down List</source>
        <translation>ਕਿਰਪਾ ਕਰਕੇ ਡ੍ਰੌਪ ਡਾਊਨ ਸੂਚੀ ਵਿੱਚੋਂ ਇੱਕ ਸਾਲ ਚੁਣੋ</translation>
    </message>
    <message>
        <location filename="../ui/Form1.cpp" line="27"/>
        <source>Accrued Interest of Tresk will not be considered for the specified Financial Year</source>
        <translation>ਦਰਸਾਏ ਵਿੱਤੀ ਸਾਲ ਲਈ ਟ੍ਰੇਸਕ ਦਾ ਉਪਾਰਜਿਤ ਵਿਆਜ ਨਹੀਂ ਗਿਣਿਆ ਜਾਵੇਗਾ</translation>
    </message>
    <message>
        <location filename="../ui/Form1.cpp" line="29"/>
        <source>No Interest for this year</source>
        <translation>ਇਸ ਸਾਲ ਲਈ ਕੋਈ ਵਿਆਜ ਨਹੀਂ</translation>
    </message>
    <message>
        <location filename="../ui/Form1.cpp" line="30"/>
        <source>Denomination is too large to calculate</source>
        <translation>ਅੰਕਿਤ ਮੁੱਲ ਗਣਨਾ ਲਈ ਬਹੁਤ ਵੱਡਾ ਹੈ</translation>
    </message>
    <message>
        <location filename="../ui/Form1.cpp" line="31"/>
        <source>Pls. Select a Financial Year from 1 to 9999 from the Drop Down List</source>
        <translation>ਕਿਰਪਾ ਕਰਕੇ ਡ੍ਰੌਪ ਡਾਊਨ ਸੂਚੀ ਵਿੱਚੋਂ 1 ਤੋਂ 9999 ਤੱਕ ਦਾ ਕੋਈ ਵਿੱਤੀ ਸਾਲ ਚੁਣੋ</translation>
    </message>
    <message>
        <location filename="../ui/Form1.cpp" line="34"/>
        <source>The interest could not be calculated</source>
        <translation>ਵਿਆਜ ਦੀ ਗਣਨਾ ਨਹੀਂ ਹੋ ਸਕੀ</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="78"/>
        <source>Enter Denomination</source>
        <translation>ਅੰਕਿਤ ਮੁੱਲ ਦਰਜ ਕਰੋ</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="80"/>
        <source>Enter Date of purchase </source>
        <translation>ਖਰੀਦ ਮਿਤੀ ਦਰਜ ਕਰੋ </translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="82"/>
        <source>Accrued Interest</source>
        <translation>ਉਪਾਰਜਿਤ ਵਿਆਜ</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="85"/>
        <source>Developed by -</source>
        <translation>ਵਿਕਾਸਕਾਰ -</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="88"/>
        <location filename="../ui/Form1Schedule.cpp" line="65"/>
        <source>Financial Year</source>
        <translation>ਵਿੱਤੀ ਸਾਲ</translation>
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
        <translation>ਗਣਨਾ ਕਰੋ</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="106"/>
        <source>Financial Year ends</source>
        <translation>ਵਿੱਤੀ ਸਾਲ ਦੀ ਸਮਾਪਤੀ</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="137"/>
        <source>Choose date of purchase</source>
        <translation>ਖਰੀਦ ਮਿਤੀ ਚੁਣੋ</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="138"/>
        <source>Open the calendar to pick the date of purchase</source>
        <translation>ਖਰੀਦ ਮਿਤੀ ਚੁਣਨ ਲਈ ਕੈਲੰਡਰ ਖੋਲ੍ਹੋ</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="152"/>
        <source>Date of purchase calendar</source>
        <translation>ਖਰੀਦ ਮਿਤੀ ਕੈਲੰਡਰ</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="171"/>
        <source>Copy</source>
        <translation>ਕਾਪੀ ਕਰੋ</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="175"/>
        <source>Copy Schedule</source>
        <translation>ਅਨੁਸੂਚੀ ਕਾਪੀ ਕਰੋ</translation>
    </message>
    <message>
        <location filename="../ui/Form1Schedule.cpp" line="65"/>
        <source>Year of life</source>
        <translation>ਮਿਆਦ ਦਾ ਸਾਲ</translation>
    </message>
    <message>
        <location filename="../ui/Form1Schedule.cpp" line="65"/>
        <source>Anniversary</source>
        <translation>ਸਾਲਾਨਾ ਮਿਤੀ</translation>
    </message>
    <message>
        <location filename="../ui/Form1Schedule.cpp" line="66"/>
        <source>Amount</source>
        <translation>ਰਕਮ</translation>
    </message>
    <message>
        <location filename="../ui/Form1Schedule.cpp" line="82"/>
        <source>Total</source>
        <translation>ਕੁੱਲ</translation>
    </message>
    <message>
        <location filename="../ui/Form1Schedule.cpp" line="78"/>
        <source>Year %1 of the certificate&apos;s life, anniversary on %2, rates of certificates bought %3</source>
        <translation>ਸਰਟੀਫਿਕੇਟ ਦੀ ਮਿਆਦ ਦਾ ਸਾਲ %1, ਸਾਲਾਨਾ ਮਿਤੀ %2, %3 ਖਰੀਦੇ ਸਰਟੀਫਿਕੇਟਾਂ ਦੀਆਂ ਵਿਆਜ ਦਰਾਂ</translation>
    </message>
    <message>
        <location filename="../ui/Form1Schedule.cpp" line="29"/>
        <source>before 1 March 2001</source>
        <translation>1 ਮਾਰਚ 2001 ਤੋਂ ਪਹਿਲਾਂ</translation>
    </message>
    <message>
        <location filename="../ui/Form1Schedule.cpp" line="31"/>
        <source>from 1 March 2001 to 28 February 2002</source>
        <translation>1 ਮਾਰਚ 2001 ਤੋਂ 28 ਫ਼ਰਵਰੀ 2002 ਤੱਕ</translation>
    </message>
    <message>
        <location filename="../ui/Form1Schedule.cpp" line="33"/>
        <source>from 1 March 2002 to 28 February 2003</source>
        <translation>1 ਮਾਰਚ 2002 ਤੋਂ 28 ਫ਼ਰਵਰੀ 2003 ਤੱਕ</translation>
    </message>
    <message>
        <location filename="../ui/Form1Schedule.cpp" line="37"/>
        <source>from 1 March 2003</source>
        <translation>1 ਮਾਰਚ 2003 ਤੋਂ</translation>
    </message>
</context>
<context>
    <name>NoticeBox</name>
    <message>
        <location filename="../ui/NoticeBox.cpp" line="52"/>
        <source>OK</source>
        <translation>ਠੀਕ ਹੈ</translation>
    </message>
</context>
</TS>
