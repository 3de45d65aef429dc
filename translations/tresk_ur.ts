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
    <name>CertificateModel</name>
    <message>
        <location filename="../ui/certificates/CertificateModel.cpp" line="193"/>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="52"/>
        <source>Certificate</source>
        <translation>سرٹیفکیٹ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateModel.cpp" line="195"/>
        <source>Denomination</source>
        <translation>مالیت</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateModel.cpp" line="197"/>
        <source>Date of purchase</source>
        <translation>تاریخِ خرید</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateModel.cpp" line="201"/>
        <source>Column %1</source>
        <translation>کالم %1</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateModel.cpp" line="210"/>
        <source>New certificate</source>
        <translation>نیا سرٹیفکیٹ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateModel.cpp" line="216"/>
        <source>Row %1</source>
        <translation>قطار %1</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateModel.cpp" line="236"/>
        <location filename="../ui/certificates/CertificateModel.cpp" line="244"/>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="65"/>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="73"/>
        <source>Total</source>
        <translation>کل</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateModel.cpp" line="315"/>
        <source>The financial year chosen in the calculator</source>
        <translation>کیلکولیٹر میں چنا گیا مالی سال</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateModel.cpp" line="403"/>
        <source>Add Certificate</source>
        <translation>سرٹیفکیٹ شامل کریں</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateModel.cpp" line="424"/>
        <source>Edit</source>
        <translation>ترمیم</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateModel.cpp" line="441"/>
        <location filename="../ui/certificates/CertificateModel.cpp" line="448"/>
        <source>Delete</source>
        <translation>حذف کریں</translation>
    </message>
</context>
<context>
    <name>CertificateWindow</name>
    <message>
        <location filename="../ui/certificates/CertificateClipboard.cpp" line="79"/>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="231"/>
        <source>line %1: %2</source>
        <translation>سطر %1: %2</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateClipboard.cpp" line="87"/>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="169"/>
        <source>Paste</source>
        <translation>چسپاں کریں</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateClipboard.cpp" line="91"/>
        <source>These lines were not pasted: %1.</source>
        <translation>یہ سطریں چسپاں نہیں ہوئیں: %1۔</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="41"/>
        <source>Interest on certificates</source>
        <translation>سرٹیفکیٹوں پر سود</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="43"/>
        <source>File: %1</source>
        <translation>فائل: %1</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="44"/>
        <source>Date: %1</source>
        <translation>تاریخ: %1</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="47"/>
        <source>Financial year: %1</source>
        <translation>مالی سال: %1</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="53"/>
        <source>Year of life</source>
        <translation>مدت کا سال</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="54"/>
        <source>Interest</source>
        <translation>سود</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="70"/>
        <source>Every financial year</source>
        <translation>ہر مالی سال</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="72"/>
        <source>Financial year</source>
        <translation>مالی سال</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="107"/>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="82"/>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="267"/>
        <source>Certificates</source>
        <translation>سرٹیفکیٹ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="110"/>
        <source>Export PDF</source>
        <translation>PDF برآمد کریں</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="111"/>
        <source>PDF files (*.pdf)</source>
        <translation>PDF فائلیں (*.pdf)</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="54"/>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV فائلیں (*.csv);;تمام فائلیں (*)</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="97"/>
        <source>Total</source>
        <translation>کل</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="144"/>
        <source>&amp;File</source>
        <translation>فائل (&amp;F)</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="145"/>
        <source>New</source>
        <translation>نیا</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="146"/>
        <source>Open…</source>
        <translation>کھولیں…</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="147"/>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="296"/>
        <source>Save</source>
        <translation>محفوظ کریں</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="148"/>
        <source>Save As…</source>
        <translation>بطور محفوظ کریں…</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="150"/>
        <source>Print…</source>
        <translation>پرنٹ کریں…</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="151"/>
        <source>Export PDF…</source>
        <translation>PDF برآمد کریں…</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="153"/>
        <source>Close</source>
        <translation>بند کریں</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="155"/>
        <source>&amp;Edit</source>
        <translation>ترمیم (&amp;E)</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="157"/>
        <source>Undo</source>
        <translation>واپس کریں</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="159"/>
        <source>Redo</source>
        <translation>دوبارہ کریں</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="167"/>
        <source>Cut</source>
        <translation>کاٹیں</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="168"/>
        <source>Copy</source>
        <translation>کاپی کریں</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="170"/>
        <source>Delete</source>
        <translation>حذف کریں</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="172"/>
        <source>Select All</source>
        <translation>سب منتخب کریں</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="175"/>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="329"/>
        <source>Add Certificate</source>
        <translation>سرٹیفکیٹ شامل کریں</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="179"/>
        <source>Untitled</source>
        <translation>بے نام</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="183"/>
        <source>%1[*] – Certificates – Tresk Interest Calculator</source>
        <translation>%1[*] – سرٹیفکیٹ – ٹریسک سود کیلکولیٹر</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="214"/>
        <source>%1 is not a CSV file.</source>
        <translation>%1 CSV فائل نہیں ہے۔</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="215"/>
        <source>%1 could not be read.</source>
        <translation>%1 پڑھی نہیں جا سکی۔</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="237"/>
        <source>Some lines are not certificates and are kept as they are: %1.</source>
        <translation>کچھ سطریں سرٹیفکیٹ نہیں ہیں اور جیسی ہیں ویسی رکھی گئی ہیں: %1۔</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="239"/>
        <source>More such lines: %1.</source>
        <translation>ایسی مزید سطریں: %1۔</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="257"/>
        <source>Open</source>
        <translation>کھولیں</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="268"/>
        <source>Save As</source>
        <translation>بطور محفوظ کریں</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="279"/>
        <source>The list could not be saved to %1: %2</source>
        <translation>فہرست %1 میں محفوظ نہیں ہو سکی: %2</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="292"/>
        <source>Save the changes to %1?</source>
        <translation>%1 کی تبدیلیاں محفوظ کریں؟</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="297"/>
        <source>Discard</source>
        <translation>ترک کریں</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="298"/>
        <source>Cancel</source>
        <translation>منسوخ کریں</translation>
    </message>
</context>
<context>
    <name>Certificates</name>
    <message>
        <location filename="../ui/certificates/Reasons.cpp" line="11"/>
        <source>Too few fields</source>
        <translation>بہت کم خانے</translation>
    </message>
    <message>
        <location filename="../ui/certificates/Reasons.cpp" line="13"/>
        <source>No denomination</source>
        <translation>مالیت نہیں ہے</translation>
    </message>
    <message>
        <location filename="../ui/certificates/Reasons.cpp" line="15"/>
        <source>The denomination is not a positive number</source>
        <translation>مالیت مثبت عدد نہیں ہے</translation>
    </message>
    <message>
        <location filename="../ui/certificates/Reasons.cpp" line="18"/>
        <source>The denomination is larger than 1,000,000,000,000</source>
        <translation>مالیت 1,000,000,000,000 سے زیادہ ہے</translation>
    </message>
    <message>
        <location filename="../ui/certificates/Reasons.cpp" line="21"/>
        <source>No date of purchase</source>
        <translation>تاریخِ خرید نہیں ہے</translation>
    </message>
    <message>
        <location filename="../ui/certificates/Reasons.cpp" line="23"/>
        <source>The date of purchase is not a date (DD/MM/YYYY)</source>
        <translation>تاریخِ خرید کوئی تاریخ نہیں ہے (DD/MM/YYYY)</translation>
    </message>
    <message>
        <location filename="../ui/certificates/Reasons.cpp" line="26"/>
        <source>Not text</source>
        <translation>متن نہیں ہے</translation>
    </message>
    <message>
        <location filename="../ui/certificates/Reasons.cpp" line="28"/>
        <source>Longer than 1 MiB</source>
        <translation>1 MiB سے لمبی</translation>
    </message>
    <message>
        <location filename="../ui/certificates/Reasons.cpp" line="30"/>
        <source>A quoted field is not closed</source>
        <translation>اقتباس والا خانہ بند نہیں ہے</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <location filename="../ui/Form1.cpp" line="24"/>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="50"/>
        <source>Tresk Interest Calculator</source>
        <translation>ٹریسک سود کیلکولیٹر</translation>
    </message>
    <message>
        <location filename="../ui/Form1.cpp" line="26"/>
        <source>Pls. Select a year from the Drop Down List</source>
        <translation>براہِ کرم ڈراپ ڈاؤن فہرست سے ایک سال منتخب کریں</translation>
    </message>
    <message>
        <location filename="../ui/Form1.cpp" line="27"/>
        <source>Accrued Interest of Tresk will not be considered for the specified Financial Year</source>
        <translation>مخصوص مالی سال کے لیے ٹریسک کا جمع شدہ سود شمار نہیں کیا جائے گا</translation>
    </message>
    <message>
        <location filename="../ui/Form1.cpp" line="29"/>
        <source>No Interest for this year</source>
        <translation>اس سال کے لیے کوئی سود نہیں</translation>
    </message>
    <message>
        <location filename="../ui/Form1.cpp" line="30"/>
        <source>Denomination is too large to calculate</source>
        <translation>مالیت حساب کے لیے بہت بڑی ہے</translation>
    </message>
    <message>
        <location filename="../ui/Form1.cpp" line="31"/>
        <source>Pls. Select a Financial Year from 1 to 9999 from the Drop Down List</source>
        <translation>براہِ کرم ڈراپ ڈاؤن فہرست سے 1 سے 9999 تک کا کوئی مالی سال منتخب کریں</translation>
    </message>
    <message>
        <location filename="../ui/Form1.cpp" line="34"/>
        <source>The interest could not be calculated</source>
        <translation>سود کا حساب نہیں لگایا جا سکا</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="78"/>
        <source>Enter Denomination</source>
        <translation>مالیت درج کریں</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="80"/>
        <source>Enter Date of purchase </source>
        <translation>تاریخِ خرید درج کریں </translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="82"/>
        <source>Accrued Interest</source>
        <translation>جمع شدہ سود</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="85"/>
        <source>Developed by -</source>
        <translation>تیار کنندہ -</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="88"/>
        <location filename="../ui/Form1Schedule.cpp" line="65"/>
        <source>Financial Year</source>
        <translation>مالی سال</translation>
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
        <translation>حساب لگائیں</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="106"/>
        <source>Financial Year ends</source>
        <translation>مالی سال کا اختتام</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="137"/>
        <location filename="../ui/certificates/DateDelegate.cpp" line="66"/>
        <source>Choose date of purchase</source>
        <translation>تاریخِ خرید منتخب کریں</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="138"/>
        <source>Open the calendar to pick the date of purchase</source>
        <translation>تاریخِ خرید منتخب کرنے کے لیے کیلنڈر کھولیں</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="152"/>
        <location filename="../ui/certificates/DateDelegate.cpp" line="37"/>
        <source>Date of purchase calendar</source>
        <translation>تاریخِ خرید کا کیلنڈر</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="171"/>
        <source>Copy</source>
        <translation>کاپی کریں</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="175"/>
        <source>Copy Schedule</source>
        <translation>گوشوارہ کاپی کریں</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="176"/>
        <source>Add to Certificates</source>
        <translation>سرٹیفکیٹوں میں شامل کریں</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="178"/>
        <source>Certificates…</source>
        <translation>سرٹیفکیٹ…</translation>
    </message>
    <message>
        <location filename="../ui/Form1Schedule.cpp" line="65"/>
        <source>Year of life</source>
        <translation>مدت کا سال</translation>
    </message>
    <message>
        <location filename="../ui/Form1Schedule.cpp" line="65"/>
        <source>Anniversary</source>
        <translation>سالانہ تاریخ</translation>
    </message>
    <message>
        <location filename="../ui/Form1Schedule.cpp" line="66"/>
        <source>Amount</source>
        <translation>رقم</translation>
    </message>
    <message>
        <location filename="../ui/Form1Schedule.cpp" line="82"/>
        <source>Total</source>
        <translation>کل</translation>
    </message>
    <message>
        <location filename="../ui/Form1Schedule.cpp" line="78"/>
        <source>Year %1 of the certificate&apos;s life, anniversary on %2, rates of certificates bought %3</source>
        <translation>سرٹیفکیٹ کی مدت کا سال %1، سالانہ تاریخ %2، %3 خریدے گئے سرٹیفکیٹس کی شرحِ سود</translation>
    </message>
    <message>
        <location filename="../ui/Form1Schedule.cpp" line="29"/>
        <source>before 1 March 2001</source>
        <translation>1 مارچ 2001 سے پہلے</translation>
    </message>
    <message>
        <location filename="../ui/Form1Schedule.cpp" line="31"/>
        <source>from 1 March 2001 to 28 February 2002</source>
        <translation>1 مارچ 2001 سے 28 فروری 2002 تک</translation>
    </message>
    <message>
        <location filename="../ui/Form1Schedule.cpp" line="33"/>
        <source>from 1 March 2002 to 28 February 2003</source>
        <translation>1 مارچ 2002 سے 28 فروری 2003 تک</translation>
    </message>
    <message>
        <location filename="../ui/Form1Schedule.cpp" line="37"/>
        <source>from 1 March 2003</source>
        <translation>1 مارچ 2003 سے</translation>
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
</TS>
