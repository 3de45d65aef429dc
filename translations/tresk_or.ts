<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="or" sourcelanguage="en">
<context>
    <name>Calendar</name>
    <message>
        <location filename="../ui/accessible/Accessibility.cpp" line="43"/>
        <source>Previous month</source>
        <translation>ପୂର୍ବ ମାସ</translation>
    </message>
    <message>
        <location filename="../ui/accessible/Accessibility.cpp" line="44"/>
        <source>Next month</source>
        <translation>ପର ମାସ</translation>
    </message>
    <message>
        <location filename="../ui/accessible/Accessibility.cpp" line="46"/>
        <source>Month %1</source>
        <translation>ମାସ %1</translation>
    </message>
    <message>
        <location filename="../ui/accessible/Accessibility.cpp" line="48"/>
        <source>Year %1</source>
        <translation>ବର୍ଷ %1</translation>
    </message>
    <message>
        <location filename="../ui/accessible/Accessibility.cpp" line="49"/>
        <source>Year</source>
        <translation>ବର୍ଷ</translation>
    </message>
    <message>
        <location filename="../ui/accessible/CalendarDayAccessible.cpp" line="95"/>
        <source>Select</source>
        <translation>ବାଛନ୍ତୁ</translation>
    </message>
    <message>
        <location filename="../ui/accessible/CalendarDayAccessible.cpp" line="101"/>
        <source>Makes this day the calendar&apos;s date</source>
        <translation>ଏହି ଦିନକୁ କ୍ୟାଲେଣ୍ଡରର ତାରିଖ କରେ</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <location filename="../ui/Form1.cpp" line="24"/>
        <source>Tresk Interest Calculator</source>
        <translation>ଟ୍ରେସ୍କ ସୁଧ କାଲକୁଲେଟର</translation>
    </message>
    <message>
        <location filename="../ui/Form1.cpp" line="26"/>
        <source>Pls. Select a year from the Drop Down List</source>
        <translation>ଦୟାକରି ଡ୍ରପ୍ ଡାଉନ୍ ତାଲିକାରୁ ଏକ ବର୍ଷ ବାଛନ୍ତୁ</translation>
    </message>
    <message>
        <location filename="../ui/Form1.cpp" line="27"/>
        <source>Accrued Interest of Tresk will not be considered for the specified Financial Year</source>
        <translation>ନିର୍ଦ୍ଦିଷ୍ଟ ଆର୍ଥିକ ବର୍ଷ ପାଇଁ ଟ୍ରେସ୍କର ଉପାର୍ଜିତ ସୁଧ ବିଚାର କରାଯିବ ନାହିଁ</translation>
    </message>
    <message>
        <location filename="../ui/Form1.cpp" line="29"/>
        <source>No Interest for this year</source>
        <translation>ଏହି ବର୍ଷ ପାଇଁ କୌଣସି ସୁଧ ନାହିଁ</translation>
    </message>
    <message>
        <location filename="../ui/Form1.cpp" line="30"/>
        <source>Denomination is too large to calculate</source>
        <translation>ଅଙ୍କିତ ମୂଲ୍ୟ ହିସାବ ପାଇଁ ବହୁତ ବଡ଼</translation>
    </message>
    <message>
        <location filename="../ui/Form1.cpp" line="31"/>
        <source>Pls. Select a Financial Year from 1 to 9999 from the Drop Down List</source>
        <translation>ଦୟାକରି ଡ୍ରପ୍ ଡାଉନ୍ ତାଲିକାରୁ 1 ରୁ 9999 ମଧ୍ୟରୁ ଏକ ଆର୍ଥିକ ବର୍ଷ ବାଛନ୍ତୁ</translation>
    </message>
    <message>
        <location filename="../ui/Form1.cpp" line="34"/>
        <source>The interest could not be calculated</source>
        <translation>ସୁଧ ହିସାବ କରାଯାଇପାରିଲା ନାହିଁ</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="78"/>
        <source>Enter Denomination</source>
        <translation>ଅଙ୍କିତ ମୂଲ୍ୟ ଲେଖନ୍ତୁ</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="80"/>
        <source>Enter Date of purchase </source>
        <translation>କ୍ରୟ ତାରିଖ ଲେଖନ୍ତୁ </translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="82"/>
        <source>Accrued Interest</source>
        <translation>ଉପାର୍ଜିତ ସୁଧ</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="85"/>
        <source>Developed by -</source>
        <translation>ବିକାଶକାରୀ -</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="88"/>
        <location filename="../ui/Form1Schedule.cpp" line="65"/>
        <source>Financial Year</source>
        <translation>ଆର୍ଥିକ ବର୍ଷ</translation>
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
        <translation>ହିସାବ କରନ୍ତୁ</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="106"/>
        <source>Financial Year ends</source>
        <translation>ଆର୍ଥିକ ବର୍ଷର ଶେଷ</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="137"/>
        <source>Choose date of purchase</source>
        <translation>କ୍ରୟ ତାରିଖ ବାଛନ୍ତୁ</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="138"/>
        <source>Open the calendar to pick the date of purchase</source>
        <translation>କ୍ରୟ ତାରିଖ ବାଛିବା ପାଇଁ କ୍ୟାଲେଣ୍ଡର ଖୋଲନ୍ତୁ</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="152"/>
        <source>Date of purchase calendar</source>
        <translation>କ୍ରୟ ତାରିଖ କ୍ୟାଲେଣ୍ଡର</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="171"/>
        <source>Copy</source>
        <translation>କପି କରନ୍ତୁ</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="175"/>
        <source>Copy Schedule</source>
        <translation>ଅନୁସୂଚୀ କପି କରନ୍ତୁ</translation>
    </message>
    <message>
        <location filename="../ui/Form1Schedule.cpp" line="65"/>
        <source>Year of life</source>
        <translation>ଅବଧିର ବର୍ଷ</translation>
    </message>
    <message>
        <location filename="../ui/Form1Schedule.cpp" line="65"/>
        <source>Anniversary</source>
        <translation>ବାର୍ଷିକ ତାରିଖ</translation>
    </message>
    <message>
        <location filename="../ui/Form1Schedule.cpp" line="66"/>
        <source>Amount</source>
        <translation>ରାଶି</translation>
    </message>
    <message>
        <location filename="../ui/Form1Schedule.cpp" line="82"/>
        <source>Total</source>
        <translation>ମୋଟ</translation>
    </message>
    <message>
        <location filename="../ui/Form1Schedule.cpp" line="78"/>
        <source>Year %1 of the certificate&apos;s life, anniversary on %2, rates of certificates bought %3</source>
        <translation>ସାର୍ଟିଫିକେଟର ଅବଧିର ବର୍ଷ %1, ବାର୍ଷିକ ତାରିଖ %2, %3 କିଣାଯାଇଥିବା ସାର୍ଟିଫିକେଟର ସୁଧ ହାର</translation>
    </message>
    <message>
        <location filename="../ui/Form1Schedule.cpp" line="29"/>
        <source>before 1 March 2001</source>
        <translation>1 ମାର୍ଚ୍ଚ 2001 ପୂର୍ବରୁ</translation>
    </message>
    <message>
        <location filename="../ui/Form1Schedule.cpp" line="31"/>
        <source>from 1 March 2001 to 28 February 2002</source>
        <translation>1 ମାର୍ଚ୍ଚ 2001 ରୁ 28 ଫେବୃଆରୀ 2002 ପର୍ଯ୍ୟନ୍ତ</translation>
    </message>
    <message>
        <location filename="../ui/Form1Schedule.cpp" line="33"/>
        <source>from 1 March 2002 to 28 February 2003</source>
        <translation>1 ମାର୍ଚ୍ଚ 2002 ରୁ 28 ଫେବୃଆରୀ 2003 ପର୍ଯ୍ୟନ୍ତ</translation>
    </message>
    <message>
        <location filename="../ui/Form1Schedule.cpp" line="37"/>
        <source>from 1 March 2003</source>
        <translation>1 ମାର୍ଚ୍ଚ 2003 ରୁ</translation>
    </message>
</context>
<context>
    <name>NoticeBox</name>
    <message>
        <location filename="../ui/NoticeBox.cpp" line="52"/>
        <source>OK</source>
        <translation>ଠିକ୍ ଅଛି</translation>
    </message>
</context>
</TS>
