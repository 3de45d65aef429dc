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
    <name>CertificateModel</name>
    <message>
        <location filename="../ui/certificates/CertificateModel.cpp" line="196"/>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="55"/>
        <source>Certificate</source>
        <translation>ସାର୍ଟିଫିକେଟ୍</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateModel.cpp" line="198"/>
        <source>Denomination</source>
        <translation>ଅଙ୍କିତ ମୂଲ୍ୟ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateModel.cpp" line="200"/>
        <source>Date of purchase</source>
        <translation>କ୍ରୟ ତାରିଖ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateModel.cpp" line="204"/>
        <source>Column %1</source>
        <translation>ସ୍ତମ୍ଭ %1</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateModel.cpp" line="213"/>
        <source>New certificate</source>
        <translation>ନୂଆ ସାର୍ଟିଫିକେଟ୍</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateModel.cpp" line="219"/>
        <source>Row %1</source>
        <translation>ଧାଡ଼ି %1</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateModel.cpp" line="239"/>
        <location filename="../ui/certificates/CertificateModel.cpp" line="247"/>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="68"/>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="76"/>
        <source>Total</source>
        <translation>ମୋଟ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateModel.cpp" line="323"/>
        <source>The financial year chosen in the calculator</source>
        <translation>କାଲକୁଲେଟରରେ ବଛାଯାଇଥିବା ଆର୍ଥିକ ବର୍ଷ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateModel.cpp" line="411"/>
        <source>Add Certificate</source>
        <translation>ସାର୍ଟିଫିକେଟ୍ ଯୋଡନ୍ତୁ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateModel.cpp" line="432"/>
        <source>Edit</source>
        <translation>ସମ୍ପାଦନା</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateModel.cpp" line="449"/>
        <location filename="../ui/certificates/CertificateModel.cpp" line="456"/>
        <source>Delete</source>
        <translation>ବିଲୋପ କରନ୍ତୁ</translation>
    </message>
</context>
<context>
    <name>CertificateWindow</name>
    <message>
        <location filename="../ui/certificates/CertificateClipboard.cpp" line="78"/>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="246"/>
        <source>line %1: %2</source>
        <translation>ଧାଡ଼ି %1: %2</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateClipboard.cpp" line="86"/>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="184"/>
        <source>Paste</source>
        <translation>ପେଷ୍ଟ କରନ୍ତୁ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateClipboard.cpp" line="90"/>
        <source>These lines were not pasted: %1.</source>
        <translation>ଏହି ଧାଡ଼ିଗୁଡ଼ିକ ପେଷ୍ଟ ହୋଇନାହିଁ: %1।</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="44"/>
        <source>Interest on certificates</source>
        <translation>ସାର୍ଟିଫିକେଟ୍ ଉପରେ ସୁଧ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="46"/>
        <source>File: %1</source>
        <translation>ଫାଇଲ: %1</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="47"/>
        <source>Date: %1</source>
        <translation>ତାରିଖ: %1</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="50"/>
        <source>Financial year: %1</source>
        <translation>ଆର୍ଥିକ ବର୍ଷ: %1</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="56"/>
        <source>Year of life</source>
        <translation>ଅବଧିର ବର୍ଷ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="57"/>
        <source>Interest</source>
        <translation>ସୁଧ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="73"/>
        <source>Every financial year</source>
        <translation>ପ୍ରତ୍ୟେକ ଆର୍ଥିକ ବର୍ଷ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="75"/>
        <source>Financial year</source>
        <translation>ଆର୍ଥିକ ବର୍ଷ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="116"/>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="87"/>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="283"/>
        <source>Certificates</source>
        <translation>ସାର୍ଟିଫିକେଟ୍</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="119"/>
        <source>Export PDF</source>
        <translation>PDF ରପ୍ତାନି କରନ୍ତୁ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="120"/>
        <source>PDF files (*.pdf)</source>
        <translation>PDF ଫାଇଲ (*.pdf)</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="58"/>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV ଫାଇଲ (*.csv);;ସମସ୍ତ ଫାଇଲ (*)</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="106"/>
        <source>Total</source>
        <translation>ମୋଟ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="153"/>
        <source>&amp;File</source>
        <translation>ଫାଇଲ (&amp;F)</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="154"/>
        <source>New</source>
        <translation>ନୂଆ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="155"/>
        <source>Open…</source>
        <translation>ଖୋଲନ୍ତୁ…</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="156"/>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="312"/>
        <source>Save</source>
        <translation>ସେଭ କରନ୍ତୁ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="158"/>
        <source>Save As…</source>
        <translation>ଏହିପରି ସେଭ କରନ୍ତୁ…</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="163"/>
        <source>Print…</source>
        <translation>ପ୍ରିଣ୍ଟ କରନ୍ତୁ…</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="164"/>
        <source>Export PDF…</source>
        <translation>PDF ରପ୍ତାନି କରନ୍ତୁ…</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="166"/>
        <source>Close</source>
        <translation>ବନ୍ଦ କରନ୍ତୁ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="168"/>
        <source>&amp;Edit</source>
        <translation>ସମ୍ପାଦନା (&amp;E)</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="173"/>
        <source>Undo</source>
        <translation>ପୂର୍ବବତ୍ କରନ୍ତୁ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="174"/>
        <source>Redo</source>
        <translation>ପୁଣି କରନ୍ତୁ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="182"/>
        <source>Cut</source>
        <translation>କାଟନ୍ତୁ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="183"/>
        <source>Copy</source>
        <translation>କପି କରନ୍ତୁ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="185"/>
        <source>Delete</source>
        <translation>ବିଲୋପ କରନ୍ତୁ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="186"/>
        <source>Select All</source>
        <translation>ସବୁ ବାଛନ୍ତୁ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="189"/>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="345"/>
        <source>Add Certificate</source>
        <translation>ସାର୍ଟିଫିକେଟ୍ ଯୋଡନ୍ତୁ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="190"/>
        <source>Sort by This Column</source>
        <translation>ଏହି ସ୍ତମ୍ଭ ଅନୁସାରେ ସଜାନ୍ତୁ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="194"/>
        <source>Untitled</source>
        <translation>ନାମହୀନ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="198"/>
        <source>%1[*] – Certificates – Tresk Interest Calculator</source>
        <translation>%1[*] – ସାର୍ଟିଫିକେଟ୍ – ଟ୍ରେସ୍କ ସୁଧ କ୍ୟାଲକୁଲେଟର୍</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="229"/>
        <source>%1 is not a CSV file.</source>
        <translation>%1 CSV ଫାଇଲ ନୁହେଁ।</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="230"/>
        <source>%1 could not be read.</source>
        <translation>%1 ପଢ଼ାଯାଇପାରିଲା ନାହିଁ।</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="252"/>
        <source>Some lines are not certificates and are kept as they are: %1.</source>
        <translation>କିଛି ଧାଡ଼ି ସାର୍ଟିଫିକେଟ୍ ନୁହେଁ ଏବଂ ଯେପରି ଅଛି ସେପରି ରଖାଯାଇଛି: %1।</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="254"/>
        <source>More such lines: %1.</source>
        <translation>ଏପରି ଆହୁରି ଧାଡ଼ି: %1।</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="273"/>
        <source>Open</source>
        <translation>ଖୋଲନ୍ତୁ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="284"/>
        <source>Save As</source>
        <translation>ଏହିପରି ସେଭ କରନ୍ତୁ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="295"/>
        <source>The list could not be saved to %1: %2</source>
        <translation>ତାଲିକା %1 ରେ ସେଭ ହୋଇପାରିଲା ନାହିଁ: %2</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="308"/>
        <source>Save the changes to %1?</source>
        <translation>%1 ର ପରିବର୍ତ୍ତନ ସେଭ କରିବେ କି?</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="313"/>
        <source>Discard</source>
        <translation>ଛାଡ଼ନ୍ତୁ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="314"/>
        <source>Cancel</source>
        <translation>ବାତିଲ କରନ୍ତୁ</translation>
    </message>
</context>
<context>
    <name>Certificates</name>
    <message>
        <location filename="../ui/certificates/Reasons.cpp" line="11"/>
        <source>Too few fields</source>
        <translation>ବହୁତ କମ୍ ଘର</translation>
    </message>
    <message>
        <location filename="../ui/certificates/Reasons.cpp" line="13"/>
        <source>No denomination</source>
        <translation>ଅଙ୍କିତ ମୂଲ୍ୟ ନାହିଁ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/Reasons.cpp" line="15"/>
        <source>The denomination is not a positive number</source>
        <translation>ଅଙ୍କିତ ମୂଲ୍ୟ ଧନାତ୍ମକ ସଂଖ୍ୟା ନୁହେଁ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/Reasons.cpp" line="18"/>
        <source>The denomination is larger than 1,000,000,000,000</source>
        <translation>ଅଙ୍କିତ ମୂଲ୍ୟ 1,000,000,000,000 ରୁ ଅଧିକ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/Reasons.cpp" line="21"/>
        <source>No date of purchase</source>
        <translation>କ୍ରୟ ତାରିଖ ନାହିଁ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/Reasons.cpp" line="23"/>
        <source>The date of purchase is not a date (DD/MM/YYYY)</source>
        <translation>କ୍ରୟ ତାରିଖ କୌଣସି ତାରିଖ ନୁହେଁ (DD/MM/YYYY)</translation>
    </message>
    <message>
        <location filename="../ui/certificates/Reasons.cpp" line="26"/>
        <source>Not text</source>
        <translation>ପାଠ୍ୟ ନୁହେଁ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/Reasons.cpp" line="28"/>
        <source>Longer than 1 MiB</source>
        <translation>1 MiB ରୁ ଲମ୍ବା</translation>
    </message>
    <message>
        <location filename="../ui/certificates/Reasons.cpp" line="30"/>
        <source>A quoted field is not closed</source>
        <translation>ଉଦ୍ଧୃତି ଘର ବନ୍ଦ ହୋଇନାହିଁ</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <location filename="../ui/Form1.cpp" line="25"/>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="54"/>
        <source>Tresk Interest Calculator</source>
        <translation>ଟ୍ରେସ୍କ ସୁଧ କ୍ୟାଲକୁଲେଟର୍</translation>
    </message>
    <message>
        <location filename="../ui/Form1.cpp" line="27"/>
        <source>Pls. Select a year from the Drop Down List</source>
        <translation>ଦୟାକରି ଡ୍ରପ୍ ଡାଉନ୍ ତାଲିକାରୁ ଏକ ବର୍ଷ ବାଛନ୍ତୁ</translation>
    </message>
    <message>
        <location filename="../ui/Form1.cpp" line="28"/>
        <source>Accrued Interest of Tresk will not be considered for the specified Financial Year</source>
        <translation>ନିର୍ଦ୍ଦିଷ୍ଟ ଆର୍ଥିକ ବର୍ଷ ପାଇଁ ଟ୍ରେସ୍କର ଉପାର୍ଜିତ ସୁଧ ବିଚାର କରାଯିବ ନାହିଁ</translation>
    </message>
    <message>
        <location filename="../ui/Form1.cpp" line="30"/>
        <source>No Interest for this year</source>
        <translation>ଏହି ବର୍ଷ ପାଇଁ କୌଣସି ସୁଧ ନାହିଁ</translation>
    </message>
    <message>
        <location filename="../ui/Form1.cpp" line="31"/>
        <source>Denomination is too large to calculate</source>
        <translation>ଅଙ୍କିତ ମୂଲ୍ୟ ହିସାବ ପାଇଁ ବହୁତ ବଡ଼</translation>
    </message>
    <message>
        <location filename="../ui/Form1.cpp" line="32"/>
        <source>Pls. Select a Financial Year from 1 to 9999 from the Drop Down List</source>
        <translation>ଦୟାକରି ଡ୍ରପ୍ ଡାଉନ୍ ତାଲିକାରୁ 1 ରୁ 9999 ମଧ୍ୟରୁ ଏକ ଆର୍ଥିକ ବର୍ଷ ବାଛନ୍ତୁ</translation>
    </message>
    <message>
        <location filename="../ui/Form1.cpp" line="35"/>
        <source>The interest could not be calculated</source>
        <translation>ସୁଧ ହିସାବ କରାଯାଇପାରିଲା ନାହିଁ</translation>
    </message>
    <message>
        <location filename="../ui/Form1.cpp" line="153"/>
        <source>Enter Date of purchase %1</source>
        <extracomment>Told to screen readers when a day is picked on the calendar: %1 is the date. Word it as a sentence of its own; it need not repeat the caption&apos;s words.</extracomment>
        <translation>କ୍ରୟ ତାରିଖ %1 ବଛାଗଲା</translation>
    </message>
    <message>
        <location filename="../ui/Form1.cpp" line="236"/>
        <source>Accrued Interest %1</source>
        <extracomment>Told to screen readers after Calculate: %1 is the amount shown. Word it as a sentence of its own; it need not repeat the caption&apos;s words.</extracomment>
        <translation>ଉପାର୍ଜିତ ସୁଧ %1</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="91"/>
        <source>Enter Denomination</source>
        <extracomment>The caption beside the denomination box (121 px), which also names the box to readers.</extracomment>
        <translation>ଅଙ୍କିତ ମୂଲ୍ୟ ଲେଖନ୍ତୁ</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="95"/>
        <source>Enter Date of purchase </source>
        <extracomment>The caption beside the date box (145 px), which also names the box to readers without its trailing blank.</extracomment>
        <translation>କ୍ରୟ ତାରିଖ ଲେଖନ୍ତୁ </translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="98"/>
        <source>Accrued Interest</source>
        <extracomment>The caption beside the result box (121 px), which also names the box to readers.</extracomment>
        <translation>ଉପାର୍ଜିତ ସୁଧ</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="101"/>
        <source>Developed by -</source>
        <translation>ବିକାଶକାରୀ -</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="149"/>
        <location filename="../ui/ScheduleText.cpp" line="36"/>
        <source>Financial Year</source>
        <extracomment>Names the year list to readers, and heads a column of the schedule in the result&apos;s tooltip and in the table Copy Schedule copies.</extracomment>
        <translation>ଆର୍ଥିକ ବର୍ଷ</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="108"/>
        <location filename="../ui/Form1Controls.cpp" line="109"/>
        <source>&quot;YYYY&quot;</source>
        <extracomment>The form of a year, shown above the year list and above the box of the year after it.</extracomment>
        <translation>&quot;YYYY&quot;</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="105"/>
        <source>Financial Year</source>
        <comment>caption</comment>
        <extracomment>The caption beside the year list (97 px). Where the words do not fit, shorten them here only: the list&apos;s name for readers and the schedule&apos;s column keep them whole.</extracomment>
        <translation>ଆର୍ଥିକ ବର୍ଷ</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="115"/>
        <source>Calculate</source>
        <translation>ହିସାବ କରନ୍ତୁ</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="125"/>
        <source>Financial Year ends</source>
        <translation>ଆର୍ଥିକ ବର୍ଷର ଶେଷ</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="159"/>
        <location filename="../ui/certificates/DateDelegate.cpp" line="66"/>
        <source>Choose date of purchase</source>
        <translation>କ୍ରୟ ତାରିଖ ବାଛନ୍ତୁ</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="160"/>
        <source>Open the calendar to pick the date of purchase</source>
        <translation>କ୍ରୟ ତାରିଖ ବାଛିବା ପାଇଁ କ୍ୟାଲେଣ୍ଡର୍ ଖୋଲନ୍ତୁ</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="174"/>
        <location filename="../ui/certificates/DateDelegate.cpp" line="37"/>
        <source>Date of purchase calendar</source>
        <translation>କ୍ରୟ ତାରିଖ କ୍ୟାଲେଣ୍ଡର୍</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="193"/>
        <source>Copy</source>
        <translation>କପି କରନ୍ତୁ</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="197"/>
        <source>Copy Schedule</source>
        <translation>ଅନୁସୂଚୀ କପି କରନ୍ତୁ</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="198"/>
        <source>Add to Certificates</source>
        <translation>ସାର୍ଟିଫିକେଟରେ ଯୋଡନ୍ତୁ</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="200"/>
        <source>Certificates…</source>
        <translation>ସାର୍ଟିଫିକେଟ୍…</translation>
    </message>
    <message>
        <location filename="../ui/ScheduleText.cpp" line="32"/>
        <source>Year of life</source>
        <extracomment>A column of the schedule, in the result&apos;s tooltip and in the table Copy Schedule copies: which year of the certificate&apos;s six it is.</extracomment>
        <translation>ଅବଧିର ବର୍ଷ</translation>
    </message>
    <message>
        <location filename="../ui/ScheduleText.cpp" line="35"/>
        <source>Anniversary</source>
        <extracomment>A column of the schedule (tooltip and copied table): the day each year of the certificate&apos;s life completes.</extracomment>
        <translation>ବାର୍ଷିକ ତାରିଖ</translation>
    </message>
    <message>
        <location filename="../ui/ScheduleText.cpp" line="38"/>
        <source>Amount</source>
        <extracomment>A column of the schedule (tooltip and copied table): the interest of that year.</extracomment>
        <translation>ରାଶି</translation>
    </message>
    <message>
        <location filename="../ui/ScheduleText.cpp" line="48"/>
        <source>Total</source>
        <extracomment>The schedule&apos;s last row (tooltip and copied table): the interest of all six years.</extracomment>
        <translation>ମୋଟ</translation>
    </message>
    <message>
        <location filename="../ui/ScheduleText.cpp" line="86"/>
        <source>before %1</source>
        <extracomment>%1 is the first day of the next period: the period holds every day before it.</extracomment>
        <translation>%1 ପୂର୍ବରୁ</translation>
    </message>
    <message>
        <location filename="../ui/ScheduleText.cpp" line="90"/>
        <source>from %1</source>
        <extracomment>%1 is the period&apos;s first day; it has no last one.</extracomment>
        <translation>%1 ରୁ</translation>
    </message>
    <message>
        <location filename="../ui/ScheduleText.cpp" line="93"/>
        <source>from %1 to %2</source>
        <extracomment>%1 is the period&apos;s first day, %2 its last.</extracomment>
        <translation>%1 ରୁ %2 ପର୍ଯ୍ୟନ୍ତ</translation>
    </message>
    <message>
        <location filename="../ui/ScheduleText.cpp" line="132"/>
        <source>Year %1 of the certificate&apos;s life, anniversary on %2, rates of certificates bought %3</source>
        <extracomment>Told to screen readers of the amount: %1 is the year of life (1 to 6), %2 the date of its anniversary, %3 the issue period (&quot;from %1 to %2&quot;, &quot;before %1&quot; or &quot;from %1&quot;).</extracomment>
        <translation>ସାର୍ଟିଫିକେଟର ଅବଧିର ବର୍ଷ %1, ବାର୍ଷିକ ତାରିଖ %2, %3 କିଣାଯାଇଥିବା ସାର୍ଟିଫିକେଟର ସୁଧ ହାର</translation>
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
<context>
    <name>QLineEdit</name>
    <message>
        <location filename="../ui/QtTexts.cpp" line="10"/>
        <source>&amp;Undo</source>
        <translation>ପୂର୍ବବତ୍ କରନ୍ତୁ (&amp;U)</translation>
    </message>
    <message>
        <location filename="../ui/QtTexts.cpp" line="10"/>
        <source>&amp;Redo</source>
        <translation>ପୁଣି କରନ୍ତୁ (&amp;R)</translation>
    </message>
    <message>
        <location filename="../ui/QtTexts.cpp" line="11"/>
        <source>Cu&amp;t</source>
        <translation>କାଟନ୍ତୁ (&amp;T)</translation>
    </message>
    <message>
        <location filename="../ui/QtTexts.cpp" line="11"/>
        <source>&amp;Copy</source>
        <translation>କପି କରନ୍ତୁ (&amp;C)</translation>
    </message>
    <message>
        <location filename="../ui/QtTexts.cpp" line="12"/>
        <source>&amp;Paste</source>
        <translation>ଲଗାନ୍ତୁ (&amp;P)</translation>
    </message>
    <message>
        <location filename="../ui/QtTexts.cpp" line="12"/>
        <source>Delete</source>
        <translation>ବିଲୋପ କରନ୍ତୁ</translation>
    </message>
    <message>
        <location filename="../ui/QtTexts.cpp" line="13"/>
        <source>Select All</source>
        <translation>ସବୁ ବାଛନ୍ତୁ</translation>
    </message>
</context>
</TS>
