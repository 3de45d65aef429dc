<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bn" sourcelanguage="en">
<context>
    <name>Calendar</name>
    <message>
        <location filename="../ui/accessible/Accessibility.cpp" line="43"/>
        <source>Previous month</source>
        <translation>আগের মাস</translation>
    </message>
    <message>
        <location filename="../ui/accessible/Accessibility.cpp" line="44"/>
        <source>Next month</source>
        <translation>পরের মাস</translation>
    </message>
    <message>
        <location filename="../ui/accessible/Accessibility.cpp" line="46"/>
        <source>Month %1</source>
        <translation>মাস %1</translation>
    </message>
    <message>
        <location filename="../ui/accessible/Accessibility.cpp" line="48"/>
        <source>Year %1</source>
        <translation>বছর %1</translation>
    </message>
    <message>
        <location filename="../ui/accessible/Accessibility.cpp" line="49"/>
        <source>Year</source>
        <translation>বছর</translation>
    </message>
    <message>
        <location filename="../ui/accessible/CalendarDayAccessible.cpp" line="95"/>
        <source>Select</source>
        <translation>নির্বাচন করুন</translation>
    </message>
    <message>
        <location filename="../ui/accessible/CalendarDayAccessible.cpp" line="101"/>
        <source>Makes this day the calendar&apos;s date</source>
        <translation>এই দিনটিকে ক্যালেন্ডারের তারিখ করে</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <location filename="../ui/Form1.cpp" line="24"/>
        <source>Tresk Interest Calculator</source>
        <translation>ট্রেস্ক সুদ ক্যালকুলেটর</translation>
    </message>
    <message>
        <location filename="../ui/Form1.cpp" line="26"/>
        <source>Pls. Select a year from the Drop Down List</source>
        <translation>অনুগ্রহ করে ড্রপ ডাউন তালিকা থেকে একটি বছর নির্বাচন করুন</translation>
    </message>
    <message>
        <location filename="../ui/Form1.cpp" line="27"/>
        <source>Accrued Interest of Tresk will not be considered for the specified Financial Year</source>
        <translation>নির্দিষ্ট আর্থিক বছরের জন্য ট্রেস্ক-এর অর্জিত সুদ বিবেচনা করা হবে না</translation>
    </message>
    <message>
        <location filename="../ui/Form1.cpp" line="29"/>
        <source>No Interest for this year</source>
        <translation>এই বছরের জন্য কোনো সুদ নেই</translation>
    </message>
    <message>
        <location filename="../ui/Form1.cpp" line="30"/>
        <source>Denomination is too large to calculate</source>
        <translation>অভিহিত মূল্য গণনার পক্ষে খুব বড়</translation>
    </message>
    <message>
        <location filename="../ui/Form1.cpp" line="31"/>
        <source>Pls. Select a Financial Year from 1 to 9999 from the Drop Down List</source>
        <translation>অনুগ্রহ করে ড্রপ ডাউন তালিকা থেকে 1 থেকে 9999-এর মধ্যে একটি আর্থিক বছর নির্বাচন করুন</translation>
    </message>
    <message>
        <location filename="../ui/Form1.cpp" line="34"/>
        <source>The interest could not be calculated</source>
        <translation>সুদ গণনা করা যায়নি</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="78"/>
        <source>Enter Denomination</source>
        <translation>অভিহিত মূল্য লিখুন</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="80"/>
        <source>Enter Date of purchase </source>
        <translation>ক্রয়ের তারিখ লিখুন </translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="82"/>
        <source>Accrued Interest</source>
        <translation>অর্জিত সুদ</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="85"/>
        <source>Developed by -</source>
        <translation>নির্মাতা -</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="88"/>
        <location filename="../ui/Form1Schedule.cpp" line="65"/>
        <source>Financial Year</source>
        <translation>আর্থিক বছর</translation>
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
        <translation>গণনা করুন</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="106"/>
        <source>Financial Year ends</source>
        <translation>আর্থিক বছরের শেষ</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="137"/>
        <source>Choose date of purchase</source>
        <translation>ক্রয়ের তারিখ বেছে নিন</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="138"/>
        <source>Open the calendar to pick the date of purchase</source>
        <translation>ক্রয়ের তারিখ বেছে নিতে ক্যালেন্ডার খুলুন</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="152"/>
        <source>Date of purchase calendar</source>
        <translation>ক্রয়ের তারিখের ক্যালেন্ডার</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="171"/>
        <source>Copy</source>
        <translation>কপি করুন</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="175"/>
        <source>Copy Schedule</source>
        <translation>তফসিল কপি করুন</translation>
    </message>
    <message>
        <location filename="../ui/Form1Schedule.cpp" line="65"/>
        <source>Year of life</source>
        <translation>মেয়াদের বছর</translation>
    </message>
    <message>
        <location filename="../ui/Form1Schedule.cpp" line="65"/>
        <source>Anniversary</source>
        <translation>বার্ষিকী</translation>
    </message>
    <message>
        <location filename="../ui/Form1Schedule.cpp" line="66"/>
        <source>Amount</source>
        <translation>পরিমাণ</translation>
    </message>
    <message>
        <location filename="../ui/Form1Schedule.cpp" line="82"/>
        <source>Total</source>
        <translation>মোট</translation>
    </message>
    <message>
        <location filename="../ui/Form1Schedule.cpp" line="78"/>
        <source>Year %1 of the certificate&apos;s life, anniversary on %2, rates of certificates bought %3</source>
        <translation>সার্টিফিকেটের মেয়াদের বছর %1, বার্ষিকী %2 তারিখে, %3 কেনা সার্টিফিকেটের সুদের হার</translation>
    </message>
    <message>
        <location filename="../ui/Form1Schedule.cpp" line="29"/>
        <source>before 1 March 2001</source>
        <translation>1 মার্চ 2001-এর আগে</translation>
    </message>
    <message>
        <location filename="../ui/Form1Schedule.cpp" line="31"/>
        <source>from 1 March 2001 to 28 February 2002</source>
        <translation>1 মার্চ 2001 থেকে 28 ফেব্রুয়ারি 2002 পর্যন্ত</translation>
    </message>
    <message>
        <location filename="../ui/Form1Schedule.cpp" line="33"/>
        <source>from 1 March 2002 to 28 February 2003</source>
        <translation>1 মার্চ 2002 থেকে 28 ফেব্রুয়ারি 2003 পর্যন্ত</translation>
    </message>
    <message>
        <location filename="../ui/Form1Schedule.cpp" line="37"/>
        <source>from 1 March 2003</source>
        <translation>1 মার্চ 2003 থেকে</translation>
    </message>
</context>
<context>
    <name>NoticeBox</name>
    <message>
        <location filename="../ui/NoticeBox.cpp" line="52"/>
        <source>OK</source>
        <translation>ঠিক আছে</translation>
    </message>
</context>
</TS>
