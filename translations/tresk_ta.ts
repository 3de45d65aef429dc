<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ta" sourcelanguage="en">
<context>
    <name>Calendar</name>
    <message>
        <location filename="../ui/accessible/Accessibility.cpp" line="43"/>
        <source>Previous month</source>
        <translation>முந்தைய மாதம்</translation>
    </message>
    <message>
        <location filename="../ui/accessible/Accessibility.cpp" line="44"/>
        <source>Next month</source>
        <translation>அடுத்த மாதம்</translation>
    </message>
    <message>
        <location filename="../ui/accessible/Accessibility.cpp" line="46"/>
        <source>Month %1</source>
        <translation>மாதம் %1</translation>
    </message>
    <message>
        <location filename="../ui/accessible/Accessibility.cpp" line="48"/>
        <source>Year %1</source>
        <translation>ஆண்டு %1</translation>
    </message>
    <message>
        <location filename="../ui/accessible/Accessibility.cpp" line="49"/>
        <source>Year</source>
        <translation>ஆண்டு</translation>
    </message>
    <message>
        <location filename="../ui/accessible/CalendarDayAccessible.cpp" line="95"/>
        <source>Select</source>
        <translation>தேர்ந்தெடு</translation>
    </message>
    <message>
        <location filename="../ui/accessible/CalendarDayAccessible.cpp" line="101"/>
        <source>Makes this day the calendar&apos;s date</source>
        <translation>இந்த நாளை நாட்காட்டியின் தேதியாக்குகிறது</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <location filename="../ui/Form1.cpp" line="25"/>
        <source>Tresk Interest Calculator</source>
        <translation>ட்ரெஸ்க் வட்டி கணிப்பான்</translation>
    </message>
    <message>
        <location filename="../ui/Form1.cpp" line="27"/>
        <source>Pls. Select a year from the Drop Down List</source>
        <translation>கீழிறங்கு பட்டியலிலிருந்து ஓர் ஆண்டைத் தேர்ந்தெடுக்கவும்</translation>
    </message>
    <message>
        <location filename="../ui/Form1.cpp" line="28"/>
        <source>Accrued Interest of Tresk will not be considered for the specified Financial Year</source>
        <translation>குறிப்பிட்ட நிதியாண்டிற்கு ட்ரெஸ்க்கின் திரண்ட வட்டி கணக்கில் கொள்ளப்படாது</translation>
    </message>
    <message>
        <location filename="../ui/Form1.cpp" line="30"/>
        <source>No Interest for this year</source>
        <translation>இந்த ஆண்டிற்கு வட்டி இல்லை</translation>
    </message>
    <message>
        <location filename="../ui/Form1.cpp" line="31"/>
        <source>Denomination is too large to calculate</source>
        <translation>முக மதிப்பு கணக்கிட முடியாத அளவு பெரியது</translation>
    </message>
    <message>
        <location filename="../ui/Form1.cpp" line="32"/>
        <source>Pls. Select a Financial Year from 1 to 9999 from the Drop Down List</source>
        <translation>கீழிறங்கு பட்டியலிலிருந்து 1 முதல் 9999 வரையிலான ஒரு நிதியாண்டைத் தேர்ந்தெடுக்கவும்</translation>
    </message>
    <message>
        <location filename="../ui/Form1.cpp" line="35"/>
        <source>The interest could not be calculated</source>
        <translation>வட்டியைக் கணக்கிட முடியவில்லை</translation>
    </message>
    <message>
        <location filename="../ui/Form1.cpp" line="151"/>
        <source>Enter Date of purchase %1</source>
        <extracomment>Told to screen readers when a day is picked on the calendar: %1 is the date. Word it as a sentence of its own; it need not repeat the caption&apos;s words.</extracomment>
        <translation>வாங்கிய தேதி %1 தேர்ந்தெடுக்கப்பட்டது</translation>
    </message>
    <message>
        <location filename="../ui/Form1.cpp" line="234"/>
        <source>Accrued Interest %1</source>
        <extracomment>Told to screen readers after Calculate: %1 is the amount shown. Word it as a sentence of its own; it need not repeat the caption&apos;s words.</extracomment>
        <translation>திரண்ட வட்டி %1</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="79"/>
        <source>Enter Denomination</source>
        <extracomment>The caption beside the denomination box (121 px), which also names the box to readers.</extracomment>
        <translation>முக மதிப்பு</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="83"/>
        <source>Enter Date of purchase </source>
        <extracomment>The caption beside the date box (145 px), which also names the box to readers without its trailing blank.</extracomment>
        <translation>வாங்கிய தேதி </translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="86"/>
        <source>Accrued Interest</source>
        <extracomment>The caption beside the result box (121 px), which also names the box to readers.</extracomment>
        <translation>திரண்ட வட்டி</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="89"/>
        <source>Developed by -</source>
        <translation>உருவாக்கம் -</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="137"/>
        <location filename="../ui/ScheduleText.cpp" line="36"/>
        <source>Financial Year</source>
        <extracomment>Names the year list to readers, and heads a column of the schedule in the result&apos;s tooltip and in the table Copy Schedule copies.</extracomment>
        <translation>நிதியாண்டு</translation>
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
        <translation>நிதியாண்டு</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="103"/>
        <source>Calculate</source>
        <translation>கணக்கிடு</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="113"/>
        <source>Financial Year ends</source>
        <translation>நிதியாண்டு முடிவு</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="147"/>
        <source>Choose date of purchase</source>
        <translation>வாங்கிய தேதியைத் தேர்ந்தெடு</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="148"/>
        <source>Open the calendar to pick the date of purchase</source>
        <translation>வாங்கிய தேதியைத் தேர்ந்தெடுக்க நாட்காட்டியைத் திறக்கவும்</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="162"/>
        <source>Date of purchase calendar</source>
        <translation>வாங்கிய தேதி நாட்காட்டி</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="181"/>
        <source>Copy</source>
        <translation>நகலெடு</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="185"/>
        <source>Copy Schedule</source>
        <translation>அட்டவணையை நகலெடு</translation>
    </message>
    <message>
        <location filename="../ui/ScheduleText.cpp" line="32"/>
        <source>Year of life</source>
        <extracomment>A column of the schedule, in the result&apos;s tooltip and in the table Copy Schedule copies: which year of the certificate&apos;s six it is.</extracomment>
        <translation>சான்றிதழ் காலத்தின் ஆண்டு</translation>
    </message>
    <message>
        <location filename="../ui/ScheduleText.cpp" line="35"/>
        <source>Anniversary</source>
        <extracomment>A column of the schedule (tooltip and copied table): the day each year of the certificate&apos;s life completes.</extracomment>
        <translation>ஆண்டு நிறைவு</translation>
    </message>
    <message>
        <location filename="../ui/ScheduleText.cpp" line="38"/>
        <source>Amount</source>
        <extracomment>A column of the schedule (tooltip and copied table): the interest of that year.</extracomment>
        <translation>தொகை</translation>
    </message>
    <message>
        <location filename="../ui/ScheduleText.cpp" line="48"/>
        <source>Total</source>
        <extracomment>The schedule&apos;s last row (tooltip and copied table): the interest of all six years.</extracomment>
        <translation>மொத்தம்</translation>
    </message>
    <message>
        <location filename="../ui/ScheduleText.cpp" line="86"/>
        <source>before %1</source>
        <extracomment>%1 is the first day of the next period: the period holds every day before it.</extracomment>
        <translation>%1க்கு முன்</translation>
    </message>
    <message>
        <location filename="../ui/ScheduleText.cpp" line="90"/>
        <source>from %1</source>
        <extracomment>%1 is the period&apos;s first day; it has no last one.</extracomment>
        <translation>%1 முதல்</translation>
    </message>
    <message>
        <location filename="../ui/ScheduleText.cpp" line="93"/>
        <source>from %1 to %2</source>
        <extracomment>%1 is the period&apos;s first day, %2 its last.</extracomment>
        <translation>%1 முதல் %2 வரை</translation>
    </message>
    <message>
        <location filename="../ui/ScheduleText.cpp" line="132"/>
        <source>Year %1 of the certificate&apos;s life, anniversary on %2, rates of certificates bought %3</source>
        <extracomment>Told to screen readers of the amount: %1 is the year of life (1 to 6), %2 the date of its anniversary, %3 the issue period (&quot;from %1 to %2&quot;, &quot;before %1&quot; or &quot;from %1&quot;).</extracomment>
        <translation>சான்றிதழ் காலத்தின் ஆண்டு %1, ஆண்டு நிறைவு %2 அன்று, %3 வாங்கிய சான்றிதழ்களின் வட்டி விகிதங்கள்</translation>
    </message>
</context>
<context>
    <name>NoticeBox</name>
    <message>
        <location filename="../ui/NoticeBox.cpp" line="52"/>
        <source>OK</source>
        <translation>சரி</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <location filename="../ui/QtTexts.cpp" line="10"/>
        <source>&amp;Undo</source>
        <translation>செயல்தவிர் (&amp;U)</translation>
    </message>
    <message>
        <location filename="../ui/QtTexts.cpp" line="10"/>
        <source>&amp;Redo</source>
        <translation>மீண்டும் செய் (&amp;R)</translation>
    </message>
    <message>
        <location filename="../ui/QtTexts.cpp" line="11"/>
        <source>Cu&amp;t</source>
        <translation>வெட்டு (&amp;T)</translation>
    </message>
    <message>
        <location filename="../ui/QtTexts.cpp" line="11"/>
        <source>&amp;Copy</source>
        <translation>நகலெடு (&amp;C)</translation>
    </message>
    <message>
        <location filename="../ui/QtTexts.cpp" line="12"/>
        <source>&amp;Paste</source>
        <translation>ஒட்டு (&amp;P)</translation>
    </message>
    <message>
        <location filename="../ui/QtTexts.cpp" line="12"/>
        <source>Delete</source>
        <translation>நீக்கு</translation>
    </message>
    <message>
        <location filename="../ui/QtTexts.cpp" line="13"/>
        <source>Select All</source>
        <translation>அனைத்தையும் தேர்ந்தெடு</translation>
    </message>
</context>
</TS>
