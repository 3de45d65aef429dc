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
    <name>CertificateModel</name>
    <message>
        <location filename="../ui/certificates/CertificateModel.cpp" line="193"/>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="52"/>
        <source>Certificate</source>
        <translation>সার্টিফিকেট</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateModel.cpp" line="195"/>
        <source>Denomination</source>
        <translation>অভিহিত মূল্য</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateModel.cpp" line="197"/>
        <source>Date of purchase</source>
        <translation>ক্রয়ের তারিখ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateModel.cpp" line="201"/>
        <source>Column %1</source>
        <translation>কলাম %1</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateModel.cpp" line="210"/>
        <source>New certificate</source>
        <translation>নতুন সার্টিফিকেট</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateModel.cpp" line="216"/>
        <source>Row %1</source>
        <translation>সারি %1</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateModel.cpp" line="236"/>
        <location filename="../ui/certificates/CertificateModel.cpp" line="244"/>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="65"/>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="73"/>
        <source>Total</source>
        <translation>মোট</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateModel.cpp" line="315"/>
        <source>The financial year chosen in the calculator</source>
        <translation>ক্যালকুলেটরে বেছে নেওয়া আর্থিক বছর</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateModel.cpp" line="403"/>
        <source>Add Certificate</source>
        <translation>সার্টিফিকেট যোগ করুন</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateModel.cpp" line="424"/>
        <source>Edit</source>
        <translation>সম্পাদনা</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateModel.cpp" line="441"/>
        <location filename="../ui/certificates/CertificateModel.cpp" line="448"/>
        <source>Delete</source>
        <translation>মুছুন</translation>
    </message>
</context>
<context>
    <name>CertificateWindow</name>
    <message>
        <location filename="../ui/certificates/CertificateClipboard.cpp" line="79"/>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="231"/>
        <source>line %1: %2</source>
        <translation>লাইন %1: %2</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateClipboard.cpp" line="87"/>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="169"/>
        <source>Paste</source>
        <translation>পেস্ট করুন</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateClipboard.cpp" line="91"/>
        <source>These lines were not pasted: %1.</source>
        <translation>এই লাইনগুলি পেস্ট করা হয়নি: %1।</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="41"/>
        <source>Interest on certificates</source>
        <translation>সার্টিফিকেটের সুদ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="43"/>
        <source>File: %1</source>
        <translation>ফাইল: %1</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="44"/>
        <source>Date: %1</source>
        <translation>তারিখ: %1</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="47"/>
        <source>Financial year: %1</source>
        <translation>আর্থিক বছর: %1</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="53"/>
        <source>Year of life</source>
        <translation>মেয়াদের বছর</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="54"/>
        <source>Interest</source>
        <translation>সুদ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="70"/>
        <source>Every financial year</source>
        <translation>প্রতিটি আর্থিক বছর</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="72"/>
        <source>Financial year</source>
        <translation>আর্থিক বছর</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="107"/>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="82"/>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="267"/>
        <source>Certificates</source>
        <translation>সার্টিফিকেট</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="110"/>
        <source>Export PDF</source>
        <translation>PDF রপ্তানি করুন</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="111"/>
        <source>PDF files (*.pdf)</source>
        <translation>PDF ফাইল (*.pdf)</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="54"/>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV ফাইল (*.csv);;সব ফাইল (*)</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="97"/>
        <source>Total</source>
        <translation>মোট</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="144"/>
        <source>&amp;File</source>
        <translation>ফাইল (&amp;F)</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="145"/>
        <source>New</source>
        <translation>নতুন</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="146"/>
        <source>Open…</source>
        <translation>খুলুন…</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="147"/>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="296"/>
        <source>Save</source>
        <translation>সংরক্ষণ করুন</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="148"/>
        <source>Save As…</source>
        <translation>এভাবে সংরক্ষণ করুন…</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="150"/>
        <source>Print…</source>
        <translation>মুদ্রণ করুন…</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="151"/>
        <source>Export PDF…</source>
        <translation>PDF রপ্তানি করুন…</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="153"/>
        <source>Close</source>
        <translation>বন্ধ করুন</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="155"/>
        <source>&amp;Edit</source>
        <translation>সম্পাদনা (&amp;E)</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="157"/>
        <source>Undo</source>
        <translation>পূর্বাবস্থায় ফেরান</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="159"/>
        <source>Redo</source>
        <translation>পুনরায় করুন</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="167"/>
        <source>Cut</source>
        <translation>কাট করুন</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="168"/>
        <source>Copy</source>
        <translation>কপি করুন</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="170"/>
        <source>Delete</source>
        <translation>মুছুন</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="172"/>
        <source>Select All</source>
        <translation>সব নির্বাচন করুন</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="175"/>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="329"/>
        <source>Add Certificate</source>
        <translation>সার্টিফিকেট যোগ করুন</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="179"/>
        <source>Untitled</source>
        <translation>নামহীন</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="183"/>
        <source>%1[*] – Certificates – Tresk Interest Calculator</source>
        <translation>%1[*] – সার্টিফিকেট – ট্রেস্ক সুদ ক্যালকুলেটর</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="214"/>
        <source>%1 is not a CSV file.</source>
        <translation>%1 CSV ফাইল নয়।</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="215"/>
        <source>%1 could not be read.</source>
        <translation>%1 পড়া যায়নি।</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="237"/>
        <source>Some lines are not certificates and are kept as they are: %1.</source>
        <translation>কিছু লাইন সার্টিফিকেট নয়, সেগুলি যেমন আছে তেমনই রাখা হয়েছে: %1।</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="239"/>
        <source>More such lines: %1.</source>
        <translation>এমন আরও লাইন: %1।</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="257"/>
        <source>Open</source>
        <translation>খুলুন</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="268"/>
        <source>Save As</source>
        <translation>এভাবে সংরক্ষণ করুন</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="279"/>
        <source>The list could not be saved to %1: %2</source>
        <translation>তালিকাটি %1-এ সংরক্ষণ করা যায়নি: %2</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="292"/>
        <source>Save the changes to %1?</source>
        <translation>%1-এর পরিবর্তনগুলি সংরক্ষণ করবেন?</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="297"/>
        <source>Discard</source>
        <translation>বাতিল করুন</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="298"/>
        <source>Cancel</source>
        <translation>থাক</translation>
    </message>
</context>
<context>
    <name>Certificates</name>
    <message>
        <location filename="../ui/certificates/Reasons.cpp" line="11"/>
        <source>Too few fields</source>
        <translation>খুব কম ঘর</translation>
    </message>
    <message>
        <location filename="../ui/certificates/Reasons.cpp" line="13"/>
        <source>No denomination</source>
        <translation>অভিহিত মূল্য নেই</translation>
    </message>
    <message>
        <location filename="../ui/certificates/Reasons.cpp" line="15"/>
        <source>The denomination is not a positive number</source>
        <translation>অভিহিত মূল্য ধনাত্মক সংখ্যা নয়</translation>
    </message>
    <message>
        <location filename="../ui/certificates/Reasons.cpp" line="18"/>
        <source>The denomination is larger than 1,000,000,000,000</source>
        <translation>অভিহিত মূল্য 1,000,000,000,000-এর বেশি</translation>
    </message>
    <message>
        <location filename="../ui/certificates/Reasons.cpp" line="21"/>
        <source>No date of purchase</source>
        <translation>ক্রয়ের তারিখ নেই</translation>
    </message>
    <message>
        <location filename="../ui/certificates/Reasons.cpp" line="23"/>
        <source>The date of purchase is not a date (DD/MM/YYYY)</source>
        <translation>ক্রয়ের তারিখ কোনো তারিখ নয় (DD/MM/YYYY)</translation>
    </message>
    <message>
        <location filename="../ui/certificates/Reasons.cpp" line="26"/>
        <source>Not text</source>
        <translation>লেখা নয়</translation>
    </message>
    <message>
        <location filename="../ui/certificates/Reasons.cpp" line="28"/>
        <source>Longer than 1 MiB</source>
        <translation>1 MiB-এর চেয়ে লম্বা</translation>
    </message>
    <message>
        <location filename="../ui/certificates/Reasons.cpp" line="30"/>
        <source>A quoted field is not closed</source>
        <translation>উদ্ধৃতিচিহ্নের ঘর বন্ধ হয়নি</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <location filename="../ui/Form1.cpp" line="24"/>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="50"/>
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
        <location filename="../ui/certificates/DateDelegate.cpp" line="66"/>
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
        <location filename="../ui/certificates/DateDelegate.cpp" line="37"/>
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
        <location filename="../ui/Form1Controls.cpp" line="176"/>
        <source>Add to Certificates</source>
        <translation>সার্টিফিকেটে যোগ করুন</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="178"/>
        <source>Certificates…</source>
        <translation>সার্টিফিকেট…</translation>
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
