<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="kn" sourcelanguage="en">
<context>
    <name>Calendar</name>
    <message>
        <location filename="../ui/accessible/Accessibility.cpp" line="43"/>
        <source>Previous month</source>
        <translation>ಹಿಂದಿನ ತಿಂಗಳು</translation>
    </message>
    <message>
        <location filename="../ui/accessible/Accessibility.cpp" line="44"/>
        <source>Next month</source>
        <translation>ಮುಂದಿನ ತಿಂಗಳು</translation>
    </message>
    <message>
        <location filename="../ui/accessible/Accessibility.cpp" line="46"/>
        <source>Month %1</source>
        <translation>ತಿಂಗಳು %1</translation>
    </message>
    <message>
        <location filename="../ui/accessible/Accessibility.cpp" line="48"/>
        <source>Year %1</source>
        <translation>ವರ್ಷ %1</translation>
    </message>
    <message>
        <location filename="../ui/accessible/Accessibility.cpp" line="49"/>
        <source>Year</source>
        <translation>ವರ್ಷ</translation>
    </message>
    <message>
        <location filename="../ui/accessible/CalendarDayAccessible.cpp" line="95"/>
        <source>Select</source>
        <translation>ಆಯ್ಕೆಮಾಡಿ</translation>
    </message>
    <message>
        <location filename="../ui/accessible/CalendarDayAccessible.cpp" line="101"/>
        <source>Makes this day the calendar&apos;s date</source>
        <translation>ಈ ದಿನವನ್ನು ಕ್ಯಾಲೆಂಡರ್‌ನ ದಿನಾಂಕವಾಗಿಸುತ್ತದೆ</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <location filename="../ui/Form1.cpp" line="24"/>
        <source>Tresk Interest Calculator</source>
        <translation>ಟ್ರೆಸ್ಕ್ ಬಡ್ಡಿ ಕ್ಯಾಲ್ಕುಲೇಟರ್</translation>
    </message>
    <message>
        <location filename="../ui/Form1.cpp" line="26"/>
        <source>Pls. Select a year from the Drop Down List</source>
        <translation>ದಯವಿಟ್ಟು ಡ್ರಾಪ್ ಡೌನ್ ಪಟ್ಟಿಯಿಂದ ಒಂದು ವರ್ಷವನ್ನು ಆಯ್ಕೆಮಾಡಿ</translation>
    </message>
    <message>
        <location filename="../ui/Form1.cpp" line="27"/>
        <source>Accrued Interest of Tresk will not be considered for the specified Financial Year</source>
        <translation>ನಿರ್ದಿಷ್ಟ ಆರ್ಥಿಕ ವರ್ಷಕ್ಕೆ ಟ್ರೆಸ್ಕ್‌ನ ಸಂಚಿತ ಬಡ್ಡಿಯನ್ನು ಪರಿಗಣಿಸಲಾಗುವುದಿಲ್ಲ</translation>
    </message>
    <message>
        <location filename="../ui/Form1.cpp" line="29"/>
        <source>No Interest for this year</source>
        <translation>ಈ ವರ್ಷಕ್ಕೆ ಯಾವುದೇ ಬಡ್ಡಿ ಇಲ್ಲ</translation>
    </message>
    <message>
        <location filename="../ui/Form1.cpp" line="30"/>
        <source>Denomination is too large to calculate</source>
        <translation>ಮುಖಬೆಲೆ ಲೆಕ್ಕಹಾಕಲು ತುಂಬಾ ದೊಡ್ಡದಾಗಿದೆ</translation>
    </message>
    <message>
        <location filename="../ui/Form1.cpp" line="31"/>
        <source>Pls. Select a Financial Year from 1 to 9999 from the Drop Down List</source>
        <translation>ದಯವಿಟ್ಟು ಡ್ರಾಪ್ ಡೌನ್ ಪಟ್ಟಿಯಿಂದ 1 ರಿಂದ 9999 ರವರೆಗಿನ ಒಂದು ಆರ್ಥಿಕ ವರ್ಷವನ್ನು ಆಯ್ಕೆಮಾಡಿ</translation>
    </message>
    <message>
        <location filename="../ui/Form1.cpp" line="34"/>
        <source>The interest could not be calculated</source>
        <translation>ಬಡ್ಡಿಯನ್ನು ಲೆಕ್ಕಹಾಕಲು ಸಾಧ್ಯವಾಗಲಿಲ್ಲ</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="78"/>
        <source>Enter Denomination</source>
        <translation>ಮುಖಬೆಲೆ ನಮೂದಿಸಿ</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="80"/>
        <source>Enter Date of purchase </source>
        <translation>ಖರೀದಿ ದಿನಾಂಕ ನಮೂದಿಸಿ </translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="82"/>
        <source>Accrued Interest</source>
        <translation>ಸಂಚಿತ ಬಡ್ಡಿ</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="85"/>
        <source>Developed by -</source>
        <translation>ತಯಾರಕರು -</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="88"/>
        <location filename="../ui/Form1Schedule.cpp" line="65"/>
        <source>Financial Year</source>
        <translation>ಆರ್ಥಿಕ ವರ್ಷ</translation>
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
        <translation>ಲೆಕ್ಕಹಾಕಿ</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="106"/>
        <source>Financial Year ends</source>
        <translation>ಆರ್ಥಿಕ ವರ್ಷದ ಅಂತ್ಯ</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="137"/>
        <source>Choose date of purchase</source>
        <translation>ಖರೀದಿ ದಿನಾಂಕ ಆಯ್ಕೆಮಾಡಿ</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="138"/>
        <source>Open the calendar to pick the date of purchase</source>
        <translation>ಖರೀದಿ ದಿನಾಂಕ ಆಯ್ಕೆಮಾಡಲು ಕ್ಯಾಲೆಂಡರ್ ತೆರೆಯಿರಿ</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="152"/>
        <source>Date of purchase calendar</source>
        <translation>ಖರೀದಿ ದಿನಾಂಕದ ಕ್ಯಾಲೆಂಡರ್</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="171"/>
        <source>Copy</source>
        <translation>ನಕಲಿಸಿ</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="175"/>
        <source>Copy Schedule</source>
        <translation>ಅನುಸೂಚಿ ನಕಲಿಸಿ</translation>
    </message>
    <message>
        <location filename="../ui/Form1Schedule.cpp" line="65"/>
        <source>Year of life</source>
        <translation>ಅವಧಿಯ ವರ್ಷ</translation>
    </message>
    <message>
        <location filename="../ui/Form1Schedule.cpp" line="65"/>
        <source>Anniversary</source>
        <translation>ವಾರ್ಷಿಕ ದಿನಾಂಕ</translation>
    </message>
    <message>
        <location filename="../ui/Form1Schedule.cpp" line="66"/>
        <source>Amount</source>
        <translation>ಮೊತ್ತ</translation>
    </message>
    <message>
        <location filename="../ui/Form1Schedule.cpp" line="82"/>
        <source>Total</source>
        <translation>ಒಟ್ಟು</translation>
    </message>
    <message>
        <location filename="../ui/Form1Schedule.cpp" line="78"/>
        <source>Year %1 of the certificate&apos;s life, anniversary on %2, rates of certificates bought %3</source>
        <translation>ಪ್ರಮಾಣಪತ್ರದ ಅವಧಿಯ ವರ್ಷ %1, ವಾರ್ಷಿಕ ದಿನಾಂಕ %2, %3 ಖರೀದಿಸಿದ ಪ್ರಮಾಣಪತ್ರಗಳ ಬಡ್ಡಿ ದರಗಳು</translation>
    </message>
    <message>
        <location filename="../ui/Form1Schedule.cpp" line="29"/>
        <source>before 1 March 2001</source>
        <translation>1 ಮಾರ್ಚ್ 2001 ರ ಮೊದಲು</translation>
    </message>
    <message>
        <location filename="../ui/Form1Schedule.cpp" line="31"/>
        <source>from 1 March 2001 to 28 February 2002</source>
        <translation>1 ಮಾರ್ಚ್ 2001 ರಿಂದ 28 ಫೆಬ್ರವರಿ 2002 ರವರೆಗೆ</translation>
    </message>
    <message>
        <location filename="../ui/Form1Schedule.cpp" line="33"/>
        <source>from 1 March 2002 to 28 February 2003</source>
        <translation>1 ಮಾರ್ಚ್ 2002 ರಿಂದ 28 ಫೆಬ್ರವರಿ 2003 ರವರೆಗೆ</translation>
    </message>
    <message>
        <location filename="../ui/Form1Schedule.cpp" line="37"/>
        <source>from 1 March 2003</source>
        <translation>1 ಮಾರ್ಚ್ 2003 ರಿಂದ</translation>
    </message>
</context>
<context>
    <name>NoticeBox</name>
    <message>
        <location filename="../ui/NoticeBox.cpp" line="52"/>
        <source>OK</source>
        <translation>ಸರಿ</translation>
    </message>
</context>
</TS>
