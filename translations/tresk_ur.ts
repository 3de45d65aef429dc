<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ur" sourcelanguage="en">
<context>
    <name>Calendar</name>
    <message>
        <location filename="../ui/accessible/Accessibility.cpp" line="43"/>
        <source>Previous month</source>
        <translation>پچھلا مہینہ</translation>
    </message>
    <message>
        <location filename="../ui/accessible/Accessibility.cpp" line="44"/>
        <source>Next month</source>
        <translation>اگلا مہینہ</translation>
    </message>
    <message>
        <location filename="../ui/accessible/Accessibility.cpp" line="46"/>
        <source>Month %1</source>
        <translation>مہینہ %1</translation>
    </message>
    <message>
        <location filename="../ui/accessible/Accessibility.cpp" line="48"/>
        <source>Year %1</source>
        <translation>سال %1</translation>
    </message>
    <message>
        <location filename="../ui/accessible/Accessibility.cpp" line="49"/>
        <source>Year</source>
        <translation>سال</translation>
    </message>
    <message>
        <location filename="../ui/accessible/CalendarDayAccessible.cpp" line="95"/>
        <source>Select</source>
        <translation>منتخب کریں</translation>
    </message>
    <message>
        <location filename="../ui/accessible/CalendarDayAccessible.cpp" line="101"/>
        <source>Makes this day the calendar&apos;s date</source>
        <translation>اس دن کو کیلنڈر کی تاریخ بناتا ہے</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <location filename="../ui/Form1.cpp" line="25"/>
        <source>Tresk Interest Calculator</source>
        <translation>ٹریسک سود کیلکولیٹر</translation>
    </message>
    <message>
        <location filename="../ui/Form1.cpp" line="27"/>
        <source>Pls. Select a year from the Drop Down List</source>
        <translation>براہِ کرم ڈراپ ڈاؤن فہرست سے ایک سال منتخب کریں</translation>
    </message>
    <message>
        <location filename="../ui/Form1.cpp" line="28"/>
        <source>Accrued Interest of Tresk will not be considered for the specified Financial Year</source>
        <translation>مخصوص مالی سال کے لیے ٹریسک کا جمع شدہ سود شمار نہیں کیا جائے گا</translation>
    </message>
    <message>
        <location filename="../ui/Form1.cpp" line="30"/>
        <source>No Interest for this year</source>
        <translation>اس سال کے لیے کوئی سود نہیں</translation>
    </message>
    <message>
        <location filename="../ui/Form1.cpp" line="31"/>
        <source>Denomination is too large to calculate</source>
        <translation>مالیت حساب کے لیے بہت بڑی ہے</translation>
    </message>
    <message>
        <location filename="../ui/Form1.cpp" line="32"/>
        <source>Pls. Select a Financial Year from 1 to 9999 from the Drop Down List</source>
        <translation>براہِ کرم ڈراپ ڈاؤن فہرست سے 1 سے 9999 تک کا کوئی مالی سال منتخب کریں</translation>
    </message>
    <message>
        <location filename="../ui/Form1.cpp" line="35"/>
        <source>The interest could not be calculated</source>
        <translation>سود کا حساب نہیں لگایا جا سکا</translation>
    </message>
    <message>
        <location filename="../ui/Form1.cpp" line="151"/>
        <source>Enter Date of purchase %1</source>
        <extracomment>Told to screen readers when a day is picked on the calendar: %1 is the date. Word it as a sentence of its own; it need not repeat the caption&apos;s words.</extracomment>
        <translation>تاریخِ خرید %1 منتخب ہوئی</translation>
    </message>
    <message>
        <location filename="../ui/Form1.cpp" line="234"/>
        <source>Accrued Interest %1</source>
        <extracomment>Told to screen readers after Calculate: %1 is the amount shown. Word it as a sentence of its own; it need not repeat the caption&apos;s words.</extracomment>
        <translation>جمع شدہ سود %1 ہے</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="79"/>
        <source>Enter Denomination</source>
        <extracomment>The caption beside the denomination box (121 px), which also names the box to readers.</extracomment>
        <translation>مالیت درج کریں</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="83"/>
        <source>Enter Date of purchase </source>
        <extracomment>The caption beside the date box (145 px), which also names the box to readers without its trailing blank.</extracomment>
        <translation>تاریخِ خرید درج کریں </translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="86"/>
        <source>Accrued Interest</source>
        <extracomment>The caption beside the result box (121 px), which also names the box to readers.</extracomment>
        <translation>جمع شدہ سود</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="89"/>
        <source>Developed by -</source>
        <translation>تیار کنندہ -</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="137"/>
        <location filename="../ui/ScheduleText.cpp" line="36"/>
        <source>Financial Year</source>
        <extracomment>Names the year list to readers, and heads a column of the schedule in the result&apos;s tooltip and in the table Copy Schedule copies.</extracomment>
        <translation>مالی سال</translation>
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
        <translation>مالی سال</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="103"/>
        <source>Calculate</source>
        <translation>حساب لگائیں</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="113"/>
        <source>Financial Year ends</source>
        <translation>مالی سال کا اختتام</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="147"/>
        <source>Choose date of purchase</source>
        <translation>تاریخِ خرید منتخب کریں</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="148"/>
        <source>Open the calendar to pick the date of purchase</source>
        <translation>تاریخِ خرید منتخب کرنے کے لیے کیلنڈر کھولیں</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="162"/>
        <source>Date of purchase calendar</source>
        <translation>تاریخِ خرید کا کیلنڈر</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="181"/>
        <source>Copy</source>
        <translation>کاپی کریں</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="185"/>
        <source>Copy Schedule</source>
        <translation>گوشوارہ کاپی کریں</translation>
    </message>
    <message>
        <location filename="../ui/ScheduleText.cpp" line="32"/>
        <source>Year of life</source>
        <extracomment>A column of the schedule, in the result&apos;s tooltip and in the table Copy Schedule copies: which year of the certificate&apos;s six it is.</extracomment>
        <translation>مدت کا سال</translation>
    </message>
    <message>
        <location filename="../ui/ScheduleText.cpp" line="35"/>
        <source>Anniversary</source>
        <extracomment>A column of the schedule (tooltip and copied table): the day each year of the certificate&apos;s life completes.</extracomment>
        <translation>سالانہ تاریخ</translation>
    </message>
    <message>
        <location filename="../ui/ScheduleText.cpp" line="38"/>
        <source>Amount</source>
        <extracomment>A column of the schedule (tooltip and copied table): the interest of that year.</extracomment>
        <translation>رقم</translation>
    </message>
    <message>
        <location filename="../ui/ScheduleText.cpp" line="48"/>
        <source>Total</source>
        <extracomment>The schedule&apos;s last row (tooltip and copied table): the interest of all six years.</extracomment>
        <translation>میزان</translation>
    </message>
    <message>
        <location filename="../ui/ScheduleText.cpp" line="86"/>
        <source>before %1</source>
        <extracomment>%1 is the first day of the next period: the period holds every day before it.</extracomment>
        <translation>%1 سے پہلے</translation>
    </message>
    <message>
        <location filename="../ui/ScheduleText.cpp" line="90"/>
        <source>from %1</source>
        <extracomment>%1 is the period&apos;s first day; it has no last one.</extracomment>
        <translation>%1 سے</translation>
    </message>
    <message>
        <location filename="../ui/ScheduleText.cpp" line="93"/>
        <source>from %1 to %2</source>
        <extracomment>%1 is the period&apos;s first day, %2 its last.</extracomment>
        <translation>%1 سے %2 تک</translation>
    </message>
    <message>
        <location filename="../ui/ScheduleText.cpp" line="132"/>
        <source>Year %1 of the certificate&apos;s life, anniversary on %2, rates of certificates bought %3</source>
        <extracomment>Told to screen readers of the amount: %1 is the year of life (1 to 6), %2 the date of its anniversary, %3 the issue period (&quot;from %1 to %2&quot;, &quot;before %1&quot; or &quot;from %1&quot;).</extracomment>
        <translation>سرٹیفکیٹ کی مدت کا سال %1، سالانہ تاریخ %2، %3 خریدے گئے سرٹیفکیٹوں کی شرحِ سود</translation>
    </message>
</context>
<context>
    <name>NoticeBox</name>
    <message>
        <location filename="../ui/NoticeBox.cpp" line="52"/>
        <source>OK</source>
        <translation>ٹھیک ہے</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <location filename="../ui/QtTexts.cpp" line="10"/>
        <source>&amp;Undo</source>
        <translation>کالعدم کریں (&amp;U)</translation>
    </message>
    <message>
        <location filename="../ui/QtTexts.cpp" line="10"/>
        <source>&amp;Redo</source>
        <translation>دوبارہ کریں (&amp;R)</translation>
    </message>
    <message>
        <location filename="../ui/QtTexts.cpp" line="11"/>
        <source>Cu&amp;t</source>
        <translation>کاٹیں (&amp;T)</translation>
    </message>
    <message>
        <location filename="../ui/QtTexts.cpp" line="11"/>
        <source>&amp;Copy</source>
        <translation>کاپی کریں (&amp;C)</translation>
    </message>
    <message>
        <location filename="../ui/QtTexts.cpp" line="12"/>
        <source>&amp;Paste</source>
        <translation>چسپاں کریں (&amp;P)</translation>
    </message>
    <message>
        <location filename="../ui/QtTexts.cpp" line="12"/>
        <source>Delete</source>
        <translation>حذف کریں</translation>
    </message>
    <message>
        <location filename="../ui/QtTexts.cpp" line="13"/>
        <source>Select All</source>
        <translation>سب منتخب کریں</translation>
    </message>
</context>
</TS>
