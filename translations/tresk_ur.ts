<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ur" sourcelanguage="en">
<context>
    <name>Calendar</name>
    <message>
        <source>Previous month</source>
        <translation>پچھلا مہینہ</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>اگلا مہینہ</translation>
    </message>
    <message>
        <source>Month %1</source>
        <translation>مہینہ %1</translation>
    </message>
    <message>
        <source>Year %1</source>
        <translation>سال %1</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>سال</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>منتخب کریں</translation>
    </message>
    <message>
        <source>Makes this day the calendar's date</source>
        <translation>اس دن کو کیلنڈر کی تاریخ بناتا ہے</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Tresk Interest Calculator</source>
        <translation>ٹریسک سود کیلکولیٹر</translation>
    </message>
    <message>
        <source>Pls. Select a year from the Drop Down List</source>
        <translation>براہِ کرم ڈراپ ڈاؤن فہرست سے ایک سال منتخب کریں</translation>
    </message>
    <message>
        <source>Accrued Interest of Tresk will not be considered for the specified Financial Year</source>
        <translation>مخصوص مالی سال کے لیے ٹریسک کا جمع شدہ سود شمار نہیں کیا جائے گا</translation>
    </message>
    <message>
        <source>No Interest for this year</source>
        <translation>اس سال کے لیے کوئی سود نہیں</translation>
    </message>
    <message>
        <source>Denomination is too large to calculate</source>
        <translation>مالیت حساب کے لیے بہت بڑی ہے</translation>
    </message>
    <message>
        <source>Pls. Select a Financial Year from 1 to 9999 from the Drop Down List</source>
        <translation>براہِ کرم ڈراپ ڈاؤن فہرست سے 1 سے 9999 تک کا کوئی مالی سال منتخب کریں</translation>
    </message>
    <message>
        <source>The interest could not be calculated</source>
        <translation>سود کا حساب نہیں لگایا جا سکا</translation>
    </message>
    <message>
        <source>Enter Denomination</source>
        <translation>مالیت درج کریں</translation>
    </message>
    <message>
        <source>Enter Date of purchase </source>
        <translation>تاریخِ خرید درج کریں </translation>
    </message>
    <message>
        <source>Accrued Interest</source>
        <translation>جمع شدہ سود</translation>
    </message>
    <message>
        <source>Developed by -</source>
        <translation>تیار کنندہ -</translation>
    </message>
    <message>
        <source>Financial Year</source>
        <translation>مالی سال</translation>
    </message>
    <message>
        <source>"YYYY"</source>
        <translation>"YYYY"</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>حساب لگائیں</translation>
    </message>
    <message>
        <source>Financial Year ends</source>
        <translation>مالی سال کا اختتام</translation>
    </message>
    <message>
        <source>Choose date of purchase</source>
        <translation>تاریخِ خرید منتخب کریں</translation>
    </message>
    <message>
        <source>Open the calendar to pick the date of purchase</source>
        <translation>تاریخِ خرید منتخب کرنے کے لیے کیلنڈر کھولیں</translation>
    </message>
    <message>
        <source>Date of purchase calendar</source>
        <translation>تاریخِ خرید کا کیلنڈر</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>کاپی کریں</translation>
    </message>
    <message>
        <source>Copy Schedule</source>
        <translation>گوشوارہ کاپی کریں</translation>
    </message>
    <message>
        <source>Year of life</source>
        <translation>مدت کا سال</translation>
    </message>
    <message>
        <source>Anniversary</source>
        <translation>سالانہ تاریخ</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>رقم</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>کل</translation>
    </message>
    <message>
        <source>Year %1 of the certificate's life, anniversary on %2, rates of certificates bought %3</source>
        <translation>سرٹیفکیٹ کی مدت کا سال %1، سالانہ تاریخ %2، %3 خریدے گئے سرٹیفکیٹس کی شرحِ سود</translation>
    </message>
    <message>
        <source>before 1 March 2001</source>
        <translation>1 مارچ 2001 سے پہلے</translation>
    </message>
    <message>
        <source>from 1 March 2001 to 28 February 2002</source>
        <translation>1 مارچ 2001 سے 28 فروری 2002 تک</translation>
    </message>
    <message>
        <source>from 1 March 2002 to 28 February 2003</source>
        <translation>1 مارچ 2002 سے 28 فروری 2003 تک</translation>
    </message>
    <message>
        <source>from 1 March 2003</source>
        <translation>1 مارچ 2003 سے</translation>
    </message>
</context>
<context>
    <name>NoticeBox</name>
    <message>
        <source>OK</source>
        <translation>ٹھیک ہے</translation>
    </message>
</context>
</TS>
