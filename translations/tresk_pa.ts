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
    <name>CertificateModel</name>
    <message>
        <location filename="../ui/certificates/CertificateModel.cpp" line="196"/>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="55"/>
        <source>Certificate</source>
        <translation>ਸਰਟੀਫਿਕੇਟ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateModel.cpp" line="198"/>
        <source>Denomination</source>
        <translation>ਅੰਕਿਤ ਮੁੱਲ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateModel.cpp" line="200"/>
        <source>Date of purchase</source>
        <translation>ਖਰੀਦ ਮਿਤੀ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateModel.cpp" line="204"/>
        <source>Column %1</source>
        <translation>ਕਾਲਮ %1</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateModel.cpp" line="213"/>
        <source>New certificate</source>
        <translation>ਨਵਾਂ ਸਰਟੀਫਿਕੇਟ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateModel.cpp" line="219"/>
        <source>Row %1</source>
        <translation>ਕਤਾਰ %1</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateModel.cpp" line="239"/>
        <location filename="../ui/certificates/CertificateModel.cpp" line="247"/>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="68"/>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="76"/>
        <source>Total</source>
        <translation>ਕੁੱਲ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateModel.cpp" line="323"/>
        <source>The financial year chosen in the calculator</source>
        <translation>ਕੈਲਕੂਲੇਟਰ ਵਿੱਚ ਚੁਣਿਆ ਵਿੱਤੀ ਸਾਲ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateModel.cpp" line="411"/>
        <source>Add Certificate</source>
        <translation>ਸਰਟੀਫਿਕੇਟ ਜੋੜੋ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateModel.cpp" line="432"/>
        <source>Edit</source>
        <translation>ਸੋਧ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateModel.cpp" line="449"/>
        <location filename="../ui/certificates/CertificateModel.cpp" line="456"/>
        <source>Delete</source>
        <translation>ਮਿਟਾਓ</translation>
    </message>
</context>
<context>
    <name>CertificateWindow</name>
    <message>
        <location filename="../ui/certificates/CertificateClipboard.cpp" line="78"/>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="246"/>
        <source>line %1: %2</source>
        <translation>ਲਾਈਨ %1: %2</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateClipboard.cpp" line="86"/>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="184"/>
        <source>Paste</source>
        <translation>ਚਿਪਕਾਓ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateClipboard.cpp" line="90"/>
        <source>These lines were not pasted: %1.</source>
        <translation>ਇਹ ਲਾਈਨਾਂ ਨਹੀਂ ਚਿਪਕਾਈਆਂ ਗਈਆਂ: %1।</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="44"/>
        <source>Interest on certificates</source>
        <translation>ਸਰਟੀਫਿਕੇਟਾਂ ਉੱਤੇ ਵਿਆਜ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="46"/>
        <source>File: %1</source>
        <translation>ਫ਼ਾਈਲ: %1</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="47"/>
        <source>Date: %1</source>
        <translation>ਮਿਤੀ: %1</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="50"/>
        <source>Financial year: %1</source>
        <translation>ਵਿੱਤੀ ਸਾਲ: %1</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="56"/>
        <source>Year of life</source>
        <translation>ਮਿਆਦ ਦਾ ਸਾਲ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="57"/>
        <source>Interest</source>
        <translation>ਵਿਆਜ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="73"/>
        <source>Every financial year</source>
        <translation>ਹਰ ਵਿੱਤੀ ਸਾਲ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="75"/>
        <source>Financial year</source>
        <translation>ਵਿੱਤੀ ਸਾਲ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="116"/>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="87"/>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="283"/>
        <source>Certificates</source>
        <translation>ਸਰਟੀਫਿਕੇਟ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="119"/>
        <source>Export PDF</source>
        <translation>PDF ਨਿਰਯਾਤ ਕਰੋ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="120"/>
        <source>PDF files (*.pdf)</source>
        <translation>PDF ਫ਼ਾਈਲਾਂ (*.pdf)</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="58"/>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV ਫ਼ਾਈਲਾਂ (*.csv);;ਸਾਰੀਆਂ ਫ਼ਾਈਲਾਂ (*)</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="106"/>
        <source>Total</source>
        <translation>ਕੁੱਲ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="153"/>
        <source>&amp;File</source>
        <translation>ਫ਼ਾਈਲ (&amp;F)</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="154"/>
        <source>New</source>
        <translation>ਨਵਾਂ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="155"/>
        <source>Open…</source>
        <translation>ਖੋਲ੍ਹੋ…</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="156"/>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="312"/>
        <source>Save</source>
        <translation>ਸੰਭਾਲੋ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="158"/>
        <source>Save As…</source>
        <translation>ਇਸ ਤਰ੍ਹਾਂ ਸੰਭਾਲੋ…</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="163"/>
        <source>Print…</source>
        <translation>ਛਾਪੋ…</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="164"/>
        <source>Export PDF…</source>
        <translation>PDF ਨਿਰਯਾਤ ਕਰੋ…</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="166"/>
        <source>Close</source>
        <translation>ਬੰਦ ਕਰੋ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="168"/>
        <source>&amp;Edit</source>
        <translation>ਸੋਧ (&amp;E)</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="173"/>
        <source>Undo</source>
        <translation>ਵਾਪਸ ਕਰੋ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="174"/>
        <source>Redo</source>
        <translation>ਦੁਬਾਰਾ ਕਰੋ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="182"/>
        <source>Cut</source>
        <translation>ਕੱਟੋ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="183"/>
        <source>Copy</source>
        <translation>ਕਾਪੀ ਕਰੋ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="185"/>
        <source>Delete</source>
        <translation>ਮਿਟਾਓ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="186"/>
        <source>Select All</source>
        <translation>ਸਭ ਚੁਣੋ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="189"/>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="345"/>
        <source>Add Certificate</source>
        <translation>ਸਰਟੀਫਿਕੇਟ ਜੋੜੋ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="190"/>
        <source>Sort by This Column</source>
        <translation>ਇਸ ਕਾਲਮ ਅਨੁਸਾਰ ਕ੍ਰਮਬੱਧ ਕਰੋ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="194"/>
        <source>Untitled</source>
        <translation>ਬਿਨਾਂ ਨਾਮ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="198"/>
        <source>%1[*] – Certificates – Tresk Interest Calculator</source>
        <translation>%1[*] – ਸਰਟੀਫਿਕੇਟ – ਟ੍ਰੇਸਕ ਵਿਆਜ ਕੈਲਕੂਲੇਟਰ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="229"/>
        <source>%1 is not a CSV file.</source>
        <translation>%1 CSV ਫ਼ਾਈਲ ਨਹੀਂ ਹੈ।</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="230"/>
        <source>%1 could not be read.</source>
        <translation>%1 ਪੜ੍ਹੀ ਨਹੀਂ ਜਾ ਸਕੀ।</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="252"/>
        <source>Some lines are not certificates and are kept as they are: %1.</source>
        <translation>ਕੁਝ ਲਾਈਨਾਂ ਸਰਟੀਫਿਕੇਟ ਨਹੀਂ ਹਨ ਅਤੇ ਜਿਵੇਂ ਹਨ ਉਵੇਂ ਰੱਖੀਆਂ ਗਈਆਂ ਹਨ: %1।</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="254"/>
        <source>More such lines: %1.</source>
        <translation>ਅਜਿਹੀਆਂ ਹੋਰ ਲਾਈਨਾਂ: %1।</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="273"/>
        <source>Open</source>
        <translation>ਖੋਲ੍ਹੋ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="284"/>
        <source>Save As</source>
        <translation>ਇਸ ਤਰ੍ਹਾਂ ਸੰਭਾਲੋ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="295"/>
        <source>The list could not be saved to %1: %2</source>
        <translation>ਸੂਚੀ %1 ਵਿੱਚ ਸੰਭਾਲੀ ਨਹੀਂ ਜਾ ਸਕੀ: %2</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="308"/>
        <source>Save the changes to %1?</source>
        <translation>ਕੀ %1 ਦੀਆਂ ਤਬਦੀਲੀਆਂ ਸੰਭਾਲਣੀਆਂ ਹਨ?</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="313"/>
        <source>Discard</source>
        <translation>ਛੱਡੋ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="314"/>
        <source>Cancel</source>
        <translation>ਰੱਦ ਕਰੋ</translation>
    </message>
</context>
<context>
    <name>Certificates</name>
    <message>
        <location filename="../ui/certificates/Reasons.cpp" line="11"/>
        <source>Too few fields</source>
        <translation>ਬਹੁਤ ਘੱਟ ਖ਼ਾਨੇ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/Reasons.cpp" line="13"/>
        <source>No denomination</source>
        <translation>ਅੰਕਿਤ ਮੁੱਲ ਨਹੀਂ ਹੈ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/Reasons.cpp" line="15"/>
        <source>The denomination is not a positive number</source>
        <translation>ਅੰਕਿਤ ਮੁੱਲ ਧਨਾਤਮਕ ਸੰਖਿਆ ਨਹੀਂ ਹੈ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/Reasons.cpp" line="18"/>
        <source>The denomination is larger than 1,000,000,000,000</source>
        <translation>ਅੰਕਿਤ ਮੁੱਲ 1,000,000,000,000 ਤੋਂ ਵੱਧ ਹੈ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/Reasons.cpp" line="21"/>
        <source>No date of purchase</source>
        <translation>ਖਰੀਦ ਮਿਤੀ ਨਹੀਂ ਹੈ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/Reasons.cpp" line="23"/>
        <source>The date of purchase is not a date (DD/MM/YYYY)</source>
        <translation>ਖਰੀਦ ਮਿਤੀ ਕੋਈ ਮਿਤੀ ਨਹੀਂ ਹੈ (DD/MM/YYYY)</translation>
    </message>
    <message>
        <location filename="../ui/certificates/Reasons.cpp" line="26"/>
        <source>Not text</source>
        <translation>ਲਿਖਤ ਨਹੀਂ ਹੈ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/Reasons.cpp" line="28"/>
        <source>Longer than 1 MiB</source>
        <translation>1 MiB ਤੋਂ ਲੰਮੀ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/Reasons.cpp" line="30"/>
        <source>A quoted field is not closed</source>
        <translation>ਹਵਾਲੇ ਵਾਲਾ ਖ਼ਾਨਾ ਬੰਦ ਨਹੀਂ ਹੈ</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <location filename="../ui/Form1.cpp" line="25"/>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="54"/>
        <source>Tresk Interest Calculator</source>
        <translation>ਟ੍ਰੇਸਕ ਵਿਆਜ ਕੈਲਕੂਲੇਟਰ</translation>
    </message>
    <message>
        <location filename="../ui/Form1.cpp" line="27"/>
        <source>Pls. Select a year from the Drop Down List</source>
        <translation>ਕਿਰਪਾ ਕਰਕੇ ਡ੍ਰੌਪ ਡਾਊਨ ਸੂਚੀ ਵਿੱਚੋਂ ਇੱਕ ਸਾਲ ਚੁਣੋ</translation>
    </message>
    <message>
        <location filename="../ui/Form1.cpp" line="28"/>
        <source>Accrued Interest of Tresk will not be considered for the specified Financial Year</source>
        <translation>ਦਰਸਾਏ ਵਿੱਤੀ ਸਾਲ ਲਈ ਟ੍ਰੇਸਕ ਦਾ ਉਪਾਰਜਿਤ ਵਿਆਜ ਨਹੀਂ ਗਿਣਿਆ ਜਾਵੇਗਾ</translation>
    </message>
    <message>
        <location filename="../ui/Form1.cpp" line="30"/>
        <source>No Interest for this year</source>
        <translation>ਇਸ ਸਾਲ ਲਈ ਕੋਈ ਵਿਆਜ ਨਹੀਂ</translation>
    </message>
    <message>
        <location filename="../ui/Form1.cpp" line="31"/>
        <source>Denomination is too large to calculate</source>
        <translation>ਅੰਕਿਤ ਮੁੱਲ ਗਣਨਾ ਲਈ ਬਹੁਤ ਵੱਡਾ ਹੈ</translation>
    </message>
    <message>
        <location filename="../ui/Form1.cpp" line="32"/>
        <source>Pls. Select a Financial Year from 1 to 9999 from the Drop Down List</source>
        <translation>ਕਿਰਪਾ ਕਰਕੇ ਡ੍ਰੌਪ ਡਾਊਨ ਸੂਚੀ ਵਿੱਚੋਂ 1 ਤੋਂ 9999 ਤੱਕ ਦਾ ਕੋਈ ਵਿੱਤੀ ਸਾਲ ਚੁਣੋ</translation>
    </message>
    <message>
        <location filename="../ui/Form1.cpp" line="35"/>
        <source>The interest could not be calculated</source>
        <translation>ਵਿਆਜ ਦੀ ਗਣਨਾ ਨਹੀਂ ਹੋ ਸਕੀ</translation>
    </message>
    <message>
        <location filename="../ui/Form1.cpp" line="153"/>
        <source>Enter Date of purchase %1</source>
        <extracomment>Told to screen readers when a day is picked on the calendar: %1 is the date. Word it as a sentence of its own; it need not repeat the caption&apos;s words.</extracomment>
        <translation>ਖਰੀਦ ਮਿਤੀ %1 ਚੁਣੀ ਗਈ</translation>
    </message>
    <message>
        <location filename="../ui/Form1.cpp" line="236"/>
        <source>Accrued Interest %1</source>
        <extracomment>Told to screen readers after Calculate: %1 is the amount shown. Word it as a sentence of its own; it need not repeat the caption&apos;s words.</extracomment>
        <translation>ਉਪਾਰਜਿਤ ਵਿਆਜ %1 ਹੈ</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="91"/>
        <source>Enter Denomination</source>
        <extracomment>The caption beside the denomination box (121 px), which also names the box to readers.</extracomment>
        <translation>ਅੰਕਿਤ ਮੁੱਲ ਦਰਜ ਕਰੋ</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="95"/>
        <source>Enter Date of purchase </source>
        <extracomment>The caption beside the date box (145 px), which also names the box to readers without its trailing blank.</extracomment>
        <translation>ਖਰੀਦ ਮਿਤੀ ਦਰਜ ਕਰੋ </translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="98"/>
        <source>Accrued Interest</source>
        <extracomment>The caption beside the result box (121 px), which also names the box to readers.</extracomment>
        <translation>ਉਪਾਰਜਿਤ ਵਿਆਜ</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="101"/>
        <source>Developed by -</source>
        <translation>ਵਿਕਾਸਕਾਰ -</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="149"/>
        <location filename="../ui/ScheduleText.cpp" line="36"/>
        <source>Financial Year</source>
        <extracomment>Names the year list to readers, and heads a column of the schedule in the result&apos;s tooltip and in the table Copy Schedule copies.</extracomment>
        <translation>ਵਿੱਤੀ ਸਾਲ</translation>
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
        <translation>ਵਿੱਤੀ ਸਾਲ</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="115"/>
        <source>Calculate</source>
        <translation>ਗਣਨਾ ਕਰੋ</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="125"/>
        <source>Financial Year ends</source>
        <translation>ਵਿੱਤੀ ਸਾਲ ਦੀ ਸਮਾਪਤੀ</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="159"/>
        <location filename="../ui/certificates/DateDelegate.cpp" line="66"/>
        <source>Choose date of purchase</source>
        <translation>ਖਰੀਦ ਮਿਤੀ ਚੁਣੋ</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="160"/>
        <source>Open the calendar to pick the date of purchase</source>
        <translation>ਖਰੀਦ ਮਿਤੀ ਚੁਣਨ ਲਈ ਕੈਲੰਡਰ ਖੋਲ੍ਹੋ</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="174"/>
        <location filename="../ui/certificates/DateDelegate.cpp" line="37"/>
        <source>Date of purchase calendar</source>
        <translation>ਖਰੀਦ ਮਿਤੀ ਕੈਲੰਡਰ</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="193"/>
        <source>Copy</source>
        <translation>ਕਾਪੀ ਕਰੋ</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="197"/>
        <source>Copy Schedule</source>
        <translation>ਅਨੁਸੂਚੀ ਕਾਪੀ ਕਰੋ</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="198"/>
        <source>Add to Certificates</source>
        <translation>ਸਰਟੀਫਿਕੇਟਾਂ ਵਿੱਚ ਜੋੜੋ</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="200"/>
        <source>Certificates…</source>
        <translation>ਸਰਟੀਫਿਕੇਟ…</translation>
    </message>
    <message>
        <location filename="../ui/ScheduleText.cpp" line="32"/>
        <source>Year of life</source>
        <extracomment>A column of the schedule, in the result&apos;s tooltip and in the table Copy Schedule copies: which year of the certificate&apos;s six it is.</extracomment>
        <translation>ਮਿਆਦ ਦਾ ਸਾਲ</translation>
    </message>
    <message>
        <location filename="../ui/ScheduleText.cpp" line="35"/>
        <source>Anniversary</source>
        <extracomment>A column of the schedule (tooltip and copied table): the day each year of the certificate&apos;s life completes.</extracomment>
        <translation>ਸਾਲਾਨਾ ਮਿਤੀ</translation>
    </message>
    <message>
        <location filename="../ui/ScheduleText.cpp" line="38"/>
        <source>Amount</source>
        <extracomment>A column of the schedule (tooltip and copied table): the interest of that year.</extracomment>
        <translation>ਰਕਮ</translation>
    </message>
    <message>
        <location filename="../ui/ScheduleText.cpp" line="48"/>
        <source>Total</source>
        <extracomment>The schedule&apos;s last row (tooltip and copied table): the interest of all six years.</extracomment>
        <translation>ਕੁੱਲ</translation>
    </message>
    <message>
        <location filename="../ui/ScheduleText.cpp" line="86"/>
        <source>before %1</source>
        <extracomment>%1 is the first day of the next period: the period holds every day before it.</extracomment>
        <translation>%1 ਤੋਂ ਪਹਿਲਾਂ</translation>
    </message>
    <message>
        <location filename="../ui/ScheduleText.cpp" line="90"/>
        <source>from %1</source>
        <extracomment>%1 is the period&apos;s first day; it has no last one.</extracomment>
        <translation>%1 ਤੋਂ</translation>
    </message>
    <message>
        <location filename="../ui/ScheduleText.cpp" line="93"/>
        <source>from %1 to %2</source>
        <extracomment>%1 is the period&apos;s first day, %2 its last.</extracomment>
        <translation>%1 ਤੋਂ %2 ਤੱਕ</translation>
    </message>
    <message>
        <location filename="../ui/ScheduleText.cpp" line="132"/>
        <source>Year %1 of the certificate&apos;s life, anniversary on %2, rates of certificates bought %3</source>
        <extracomment>Told to screen readers of the amount: %1 is the year of life (1 to 6), %2 the date of its anniversary, %3 the issue period (&quot;from %1 to %2&quot;, &quot;before %1&quot; or &quot;from %1&quot;).</extracomment>
        <translation>ਸਰਟੀਫਿਕੇਟ ਦੀ ਮਿਆਦ ਦਾ ਸਾਲ %1, ਸਾਲਾਨਾ ਮਿਤੀ %2, %3 ਖਰੀਦੇ ਸਰਟੀਫਿਕੇਟਾਂ ਦੀਆਂ ਵਿਆਜ ਦਰਾਂ</translation>
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
<context>
    <name>QLineEdit</name>
    <message>
        <location filename="../ui/QtTexts.cpp" line="10"/>
        <source>&amp;Undo</source>
        <translation>ਅਣਕੀਤਾ ਕਰੋ (&amp;U)</translation>
    </message>
    <message>
        <location filename="../ui/QtTexts.cpp" line="10"/>
        <source>&amp;Redo</source>
        <translation>ਮੁੜ ਕਰੋ (&amp;R)</translation>
    </message>
    <message>
        <location filename="../ui/QtTexts.cpp" line="11"/>
        <source>Cu&amp;t</source>
        <translation>ਕੱਟੋ (&amp;T)</translation>
    </message>
    <message>
        <location filename="../ui/QtTexts.cpp" line="11"/>
        <source>&amp;Copy</source>
        <translation>ਕਾਪੀ ਕਰੋ (&amp;C)</translation>
    </message>
    <message>
        <location filename="../ui/QtTexts.cpp" line="12"/>
        <source>&amp;Paste</source>
        <translation>ਚਿਪਕਾਓ (&amp;P)</translation>
    </message>
    <message>
        <location filename="../ui/QtTexts.cpp" line="12"/>
        <source>Delete</source>
        <translation>ਹਟਾਓ</translation>
    </message>
    <message>
        <location filename="../ui/QtTexts.cpp" line="13"/>
        <source>Select All</source>
        <translation>ਸਭ ਚੁਣੋ</translation>
    </message>
</context>
</TS>
