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
    <name>CertificateModel</name>
    <message>
        <location filename="../ui/certificates/CertificateModel.cpp" line="196"/>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="55"/>
        <source>Certificate</source>
        <translation>ಪ್ರಮಾಣಪತ್ರ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateModel.cpp" line="198"/>
        <source>Denomination</source>
        <translation>ಮುಖಬೆಲೆ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateModel.cpp" line="200"/>
        <source>Date of purchase</source>
        <translation>ಖರೀದಿ ದಿನಾಂಕ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateModel.cpp" line="204"/>
        <source>Column %1</source>
        <translation>ಕಾಲಮ್ %1</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateModel.cpp" line="213"/>
        <source>New certificate</source>
        <translation>ಹೊಸ ಪ್ರಮಾಣಪತ್ರ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateModel.cpp" line="219"/>
        <source>Row %1</source>
        <translation>ಸಾಲು %1</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateModel.cpp" line="239"/>
        <location filename="../ui/certificates/CertificateModel.cpp" line="247"/>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="68"/>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="76"/>
        <source>Total</source>
        <translation>ಒಟ್ಟು</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateModel.cpp" line="323"/>
        <source>The financial year chosen in the calculator</source>
        <translation>ಕ್ಯಾಲ್ಕುಲೇಟರ್‌ನಲ್ಲಿ ಆರಿಸಿದ ಆರ್ಥಿಕ ವರ್ಷ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateModel.cpp" line="411"/>
        <source>Add Certificate</source>
        <translation>ಪ್ರಮಾಣಪತ್ರ ಸೇರಿಸಿ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateModel.cpp" line="432"/>
        <source>Edit</source>
        <translation>ತಿದ್ದುಪಡಿ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateModel.cpp" line="449"/>
        <location filename="../ui/certificates/CertificateModel.cpp" line="456"/>
        <source>Delete</source>
        <translation>ಅಳಿಸಿ</translation>
    </message>
</context>
<context>
    <name>CertificateWindow</name>
    <message>
        <location filename="../ui/certificates/CertificateClipboard.cpp" line="78"/>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="246"/>
        <source>line %1: %2</source>
        <translation>ಸಾಲು %1: %2</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateClipboard.cpp" line="86"/>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="184"/>
        <source>Paste</source>
        <translation>ಅಂಟಿಸಿ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateClipboard.cpp" line="90"/>
        <source>These lines were not pasted: %1.</source>
        <translation>ಈ ಸಾಲುಗಳನ್ನು ಅಂಟಿಸಲಾಗಿಲ್ಲ: %1.</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="44"/>
        <source>Interest on certificates</source>
        <translation>ಪ್ರಮಾಣಪತ್ರಗಳ ಬಡ್ಡಿ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="46"/>
        <source>File: %1</source>
        <translation>ಫೈಲ್: %1</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="47"/>
        <source>Date: %1</source>
        <translation>ದಿನಾಂಕ: %1</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="50"/>
        <source>Financial year: %1</source>
        <translation>ಆರ್ಥಿಕ ವರ್ಷ: %1</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="56"/>
        <source>Year of life</source>
        <translation>ಅವಧಿಯ ವರ್ಷ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="57"/>
        <source>Interest</source>
        <translation>ಬಡ್ಡಿ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="73"/>
        <source>Every financial year</source>
        <translation>ಪ್ರತಿ ಆರ್ಥಿಕ ವರ್ಷ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="75"/>
        <source>Financial year</source>
        <translation>ಆರ್ಥಿಕ ವರ್ಷ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="116"/>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="87"/>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="283"/>
        <source>Certificates</source>
        <translation>ಪ್ರಮಾಣಪತ್ರಗಳು</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="119"/>
        <source>Export PDF</source>
        <translation>PDF ರಫ್ತು ಮಾಡಿ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="120"/>
        <source>PDF files (*.pdf)</source>
        <translation>PDF ಫೈಲ್‌ಗಳು (*.pdf)</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="58"/>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV ಫೈಲ್‌ಗಳು (*.csv);;ಎಲ್ಲಾ ಫೈಲ್‌ಗಳು (*)</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="106"/>
        <source>Total</source>
        <translation>ಒಟ್ಟು</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="153"/>
        <source>&amp;File</source>
        <translation>ಫೈಲ್ (&amp;F)</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="154"/>
        <source>New</source>
        <translation>ಹೊಸದು</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="155"/>
        <source>Open…</source>
        <translation>ತೆರೆಯಿರಿ…</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="156"/>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="312"/>
        <source>Save</source>
        <translation>ಉಳಿಸಿ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="158"/>
        <source>Save As…</source>
        <translation>ಹೀಗೆ ಉಳಿಸಿ…</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="163"/>
        <source>Print…</source>
        <translation>ಮುದ್ರಿಸಿ…</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="164"/>
        <source>Export PDF…</source>
        <translation>PDF ರಫ್ತು ಮಾಡಿ…</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="166"/>
        <source>Close</source>
        <translation>ಮುಚ್ಚಿ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="168"/>
        <source>&amp;Edit</source>
        <translation>ಸಂಪಾದನೆ (&amp;E)</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="173"/>
        <source>Undo</source>
        <translation>ರದ್ದುಮಾಡಿ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="174"/>
        <source>Redo</source>
        <translation>ಮತ್ತೆ ಮಾಡಿ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="182"/>
        <source>Cut</source>
        <translation>ಕತ್ತರಿಸಿ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="183"/>
        <source>Copy</source>
        <translation>ನಕಲಿಸಿ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="185"/>
        <source>Delete</source>
        <translation>ಅಳಿಸಿ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="186"/>
        <source>Select All</source>
        <translation>ಎಲ್ಲವನ್ನೂ ಆಯ್ಕೆಮಾಡಿ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="189"/>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="345"/>
        <source>Add Certificate</source>
        <translation>ಪ್ರಮಾಣಪತ್ರ ಸೇರಿಸಿ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="190"/>
        <source>Sort by This Column</source>
        <translation>ಈ ಕಾಲಮ್ ಪ್ರಕಾರ ವಿಂಗಡಿಸಿ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="194"/>
        <source>Untitled</source>
        <translation>ಹೆಸರಿಲ್ಲದ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="198"/>
        <source>%1[*] – Certificates – Tresk Interest Calculator</source>
        <translation>%1[*] – ಪ್ರಮಾಣಪತ್ರಗಳು – ಟ್ರೆಸ್ಕ್ ಬಡ್ಡಿ ಕ್ಯಾಲ್ಕುಲೇಟರ್</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="229"/>
        <source>%1 is not a CSV file.</source>
        <translation>%1 CSV ಫೈಲ್ ಅಲ್ಲ.</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="230"/>
        <source>%1 could not be read.</source>
        <translation>%1 ಓದಲು ಆಗಲಿಲ್ಲ.</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="252"/>
        <source>Some lines are not certificates and are kept as they are: %1.</source>
        <translation>ಕೆಲವು ಸಾಲುಗಳು ಪ್ರಮಾಣಪತ್ರಗಳಲ್ಲ; ಅವನ್ನು ಇದ್ದಂತೆಯೇ ಇರಿಸಲಾಗಿದೆ: %1.</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="254"/>
        <source>More such lines: %1.</source>
        <translation>ಇಂತಹ ಇನ್ನಷ್ಟು ಸಾಲುಗಳು: %1.</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="273"/>
        <source>Open</source>
        <translation>ತೆರೆಯಿರಿ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="284"/>
        <source>Save As</source>
        <translation>ಹೀಗೆ ಉಳಿಸಿ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="295"/>
        <source>The list could not be saved to %1: %2</source>
        <translation>ಪಟ್ಟಿಯನ್ನು %1 ಗೆ ಉಳಿಸಲು ಆಗಲಿಲ್ಲ: %2</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="308"/>
        <source>Save the changes to %1?</source>
        <translation>%1 ರ ಬದಲಾವಣೆಗಳನ್ನು ಉಳಿಸಬೇಕೇ?</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="313"/>
        <source>Discard</source>
        <translation>ತ್ಯಜಿಸಿ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="314"/>
        <source>Cancel</source>
        <translation>ರದ್ದುಗೊಳಿಸಿ</translation>
    </message>
</context>
<context>
    <name>Certificates</name>
    <message>
        <location filename="../ui/certificates/Reasons.cpp" line="11"/>
        <source>Too few fields</source>
        <translation>ತುಂಬಾ ಕಡಿಮೆ ಕ್ಷೇತ್ರಗಳು</translation>
    </message>
    <message>
        <location filename="../ui/certificates/Reasons.cpp" line="13"/>
        <source>No denomination</source>
        <translation>ಮುಖಬೆಲೆ ಇಲ್ಲ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/Reasons.cpp" line="15"/>
        <source>The denomination is not a positive number</source>
        <translation>ಮುಖಬೆಲೆ ಧನ ಸಂಖ್ಯೆ ಅಲ್ಲ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/Reasons.cpp" line="18"/>
        <source>The denomination is larger than 1,000,000,000,000</source>
        <translation>ಮುಖಬೆಲೆ 1,000,000,000,000 ಕ್ಕಿಂತ ಹೆಚ್ಚು</translation>
    </message>
    <message>
        <location filename="../ui/certificates/Reasons.cpp" line="21"/>
        <source>No date of purchase</source>
        <translation>ಖರೀದಿ ದಿನಾಂಕ ಇಲ್ಲ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/Reasons.cpp" line="23"/>
        <source>The date of purchase is not a date (DD/MM/YYYY)</source>
        <translation>ಖರೀದಿ ದಿನಾಂಕ ಒಂದು ದಿನಾಂಕವಲ್ಲ (DD/MM/YYYY)</translation>
    </message>
    <message>
        <location filename="../ui/certificates/Reasons.cpp" line="26"/>
        <source>Not text</source>
        <translation>ಪಠ್ಯವಲ್ಲ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/Reasons.cpp" line="28"/>
        <source>Longer than 1 MiB</source>
        <translation>1 MiB ಕ್ಕಿಂತ ಉದ್ದ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/Reasons.cpp" line="30"/>
        <source>A quoted field is not closed</source>
        <translation>ಉದ್ಧರಣ ಕ್ಷೇತ್ರ ಮುಚ್ಚಿಲ್ಲ</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <location filename="../ui/Form1.cpp" line="25"/>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="54"/>
        <source>Tresk Interest Calculator</source>
        <translation>ಟ್ರೆಸ್ಕ್ ಬಡ್ಡಿ ಕ್ಯಾಲ್ಕುಲೇಟರ್</translation>
    </message>
    <message>
        <location filename="../ui/Form1.cpp" line="27"/>
        <source>Pls. Select a year from the Drop Down List</source>
        <translation>ದಯವಿಟ್ಟು ಡ್ರಾಪ್ ಡೌನ್ ಪಟ್ಟಿಯಿಂದ ಒಂದು ವರ್ಷವನ್ನು ಆಯ್ಕೆಮಾಡಿ</translation>
    </message>
    <message>
        <location filename="../ui/Form1.cpp" line="28"/>
        <source>Accrued Interest of Tresk will not be considered for the specified Financial Year</source>
        <translation>ನಿರ್ದಿಷ್ಟ ಆರ್ಥಿಕ ವರ್ಷಕ್ಕೆ ಟ್ರೆಸ್ಕ್‌ನ ಸಂಚಿತ ಬಡ್ಡಿಯನ್ನು ಪರಿಗಣಿಸಲಾಗುವುದಿಲ್ಲ</translation>
    </message>
    <message>
        <location filename="../ui/Form1.cpp" line="30"/>
        <source>No Interest for this year</source>
        <translation>ಈ ವರ್ಷಕ್ಕೆ ಯಾವುದೇ ಬಡ್ಡಿ ಇಲ್ಲ</translation>
    </message>
    <message>
        <location filename="../ui/Form1.cpp" line="31"/>
        <source>Denomination is too large to calculate</source>
        <translation>ಮುಖಬೆಲೆ ಲೆಕ್ಕಹಾಕಲು ತುಂಬಾ ದೊಡ್ಡದಾಗಿದೆ</translation>
    </message>
    <message>
        <location filename="../ui/Form1.cpp" line="32"/>
        <source>Pls. Select a Financial Year from 1 to 9999 from the Drop Down List</source>
        <translation>ದಯವಿಟ್ಟು ಡ್ರಾಪ್ ಡೌನ್ ಪಟ್ಟಿಯಿಂದ 1 ರಿಂದ 9999 ರವರೆಗಿನ ಒಂದು ಆರ್ಥಿಕ ವರ್ಷವನ್ನು ಆಯ್ಕೆಮಾಡಿ</translation>
    </message>
    <message>
        <location filename="../ui/Form1.cpp" line="35"/>
        <source>The interest could not be calculated</source>
        <translation>ಬಡ್ಡಿಯನ್ನು ಲೆಕ್ಕಹಾಕಲು ಸಾಧ್ಯವಾಗಲಿಲ್ಲ</translation>
    </message>
    <message>
        <location filename="../ui/Form1.cpp" line="153"/>
        <source>Enter Date of purchase %1</source>
        <extracomment>Told to screen readers when a day is picked on the calendar: %1 is the date. Word it as a sentence of its own; it need not repeat the caption&apos;s words.</extracomment>
        <translation>ಖರೀದಿ ದಿನಾಂಕ %1 ಆಯ್ಕೆಯಾಗಿದೆ</translation>
    </message>
    <message>
        <location filename="../ui/Form1.cpp" line="236"/>
        <source>Accrued Interest %1</source>
        <extracomment>Told to screen readers after Calculate: %1 is the amount shown. Word it as a sentence of its own; it need not repeat the caption&apos;s words.</extracomment>
        <translation>ಸಂಚಿತ ಬಡ್ಡಿ %1</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="91"/>
        <source>Enter Denomination</source>
        <extracomment>The caption beside the denomination box (121 px), which also names the box to readers.</extracomment>
        <translation>ಮುಖಬೆಲೆ ನಮೂದಿಸಿ</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="95"/>
        <source>Enter Date of purchase </source>
        <extracomment>The caption beside the date box (145 px), which also names the box to readers without its trailing blank.</extracomment>
        <translation>ಖರೀದಿ ದಿನಾಂಕ ನಮೂದಿಸಿ </translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="98"/>
        <source>Accrued Interest</source>
        <extracomment>The caption beside the result box (121 px), which also names the box to readers.</extracomment>
        <translation>ಸಂಚಿತ ಬಡ್ಡಿ</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="101"/>
        <source>Developed by -</source>
        <translation>ತಯಾರಕರು -</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="149"/>
        <location filename="../ui/ScheduleText.cpp" line="36"/>
        <source>Financial Year</source>
        <extracomment>Names the year list to readers, and heads a column of the schedule in the result&apos;s tooltip and in the table Copy Schedule copies.</extracomment>
        <translation>ಆರ್ಥಿಕ ವರ್ಷ</translation>
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
        <translation>ಆರ್ಥಿಕ ವರ್ಷ</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="115"/>
        <source>Calculate</source>
        <translation>ಲೆಕ್ಕಹಾಕಿ</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="125"/>
        <source>Financial Year ends</source>
        <translation>ಆರ್ಥಿಕ ವರ್ಷದ ಅಂತ್ಯ</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="159"/>
        <location filename="../ui/certificates/DateDelegate.cpp" line="66"/>
        <source>Choose date of purchase</source>
        <translation>ಖರೀದಿ ದಿನಾಂಕ ಆಯ್ಕೆಮಾಡಿ</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="160"/>
        <source>Open the calendar to pick the date of purchase</source>
        <translation>ಖರೀದಿ ದಿನಾಂಕ ಆಯ್ಕೆಮಾಡಲು ಕ್ಯಾಲೆಂಡರ್ ತೆರೆಯಿರಿ</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="174"/>
        <location filename="../ui/certificates/DateDelegate.cpp" line="37"/>
        <source>Date of purchase calendar</source>
        <translation>ಖರೀದಿ ದಿನಾಂಕದ ಕ್ಯಾಲೆಂಡರ್</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="193"/>
        <source>Copy</source>
        <translation>ನಕಲಿಸಿ</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="197"/>
        <source>Copy Schedule</source>
        <translation>ಅನುಸೂಚಿ ನಕಲಿಸಿ</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="198"/>
        <source>Add to Certificates</source>
        <translation>ಪ್ರಮಾಣಪತ್ರಗಳಿಗೆ ಸೇರಿಸಿ</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="200"/>
        <source>Certificates…</source>
        <translation>ಪ್ರಮಾಣಪತ್ರಗಳು…</translation>
    </message>
    <message>
        <location filename="../ui/ScheduleText.cpp" line="32"/>
        <source>Year of life</source>
        <extracomment>A column of the schedule, in the result&apos;s tooltip and in the table Copy Schedule copies: which year of the certificate&apos;s six it is.</extracomment>
        <translation>ಅವಧಿಯ ವರ್ಷ</translation>
    </message>
    <message>
        <location filename="../ui/ScheduleText.cpp" line="35"/>
        <source>Anniversary</source>
        <extracomment>A column of the schedule (tooltip and copied table): the day each year of the certificate&apos;s life completes.</extracomment>
        <translation>ವಾರ್ಷಿಕ ದಿನಾಂಕ</translation>
    </message>
    <message>
        <location filename="../ui/ScheduleText.cpp" line="38"/>
        <source>Amount</source>
        <extracomment>A column of the schedule (tooltip and copied table): the interest of that year.</extracomment>
        <translation>ಮೊತ್ತ</translation>
    </message>
    <message>
        <location filename="../ui/ScheduleText.cpp" line="48"/>
        <source>Total</source>
        <extracomment>The schedule&apos;s last row (tooltip and copied table): the interest of all six years.</extracomment>
        <translation>ಒಟ್ಟು</translation>
    </message>
    <message>
        <location filename="../ui/ScheduleText.cpp" line="86"/>
        <source>before %1</source>
        <extracomment>%1 is the first day of the next period: the period holds every day before it.</extracomment>
        <translation>%1 ರ ಮೊದಲು</translation>
    </message>
    <message>
        <location filename="../ui/ScheduleText.cpp" line="90"/>
        <source>from %1</source>
        <extracomment>%1 is the period&apos;s first day; it has no last one.</extracomment>
        <translation>%1 ರಿಂದ</translation>
    </message>
    <message>
        <location filename="../ui/ScheduleText.cpp" line="93"/>
        <source>from %1 to %2</source>
        <extracomment>%1 is the period&apos;s first day, %2 its last.</extracomment>
        <translation>%1 ರಿಂದ %2 ರವರೆಗೆ</translation>
    </message>
    <message>
        <location filename="../ui/ScheduleText.cpp" line="132"/>
        <source>Year %1 of the certificate&apos;s life, anniversary on %2, rates of certificates bought %3</source>
        <extracomment>Told to screen readers of the amount: %1 is the year of life (1 to 6), %2 the date of its anniversary, %3 the issue period (&quot;from %1 to %2&quot;, &quot;before %1&quot; or &quot;from %1&quot;).</extracomment>
        <translation>ಪ್ರಮಾಣಪತ್ರದ ಅವಧಿಯ ವರ್ಷ %1, ವಾರ್ಷಿಕ ದಿನಾಂಕ %2, %3 ಖರೀದಿಸಿದ ಪ್ರಮಾಣಪತ್ರಗಳ ಬಡ್ಡಿ ದರಗಳು</translation>
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
<context>
    <name>QLineEdit</name>
    <message>
        <location filename="../ui/QtTexts.cpp" line="10"/>
        <source>&amp;Undo</source>
        <translation>ರದ್ದುಮಾಡಿ (&amp;U)</translation>
    </message>
    <message>
        <location filename="../ui/QtTexts.cpp" line="10"/>
        <source>&amp;Redo</source>
        <translation>ಮರುಮಾಡಿ (&amp;R)</translation>
    </message>
    <message>
        <location filename="../ui/QtTexts.cpp" line="11"/>
        <source>Cu&amp;t</source>
        <translation>ಕತ್ತರಿಸಿ (&amp;T)</translation>
    </message>
    <message>
        <location filename="../ui/QtTexts.cpp" line="11"/>
        <source>&amp;Copy</source>
        <translation>ನಕಲಿಸಿ (&amp;C)</translation>
    </message>
    <message>
        <location filename="../ui/QtTexts.cpp" line="12"/>
        <source>&amp;Paste</source>
        <translation>ಅಂಟಿಸಿ (&amp;P)</translation>
    </message>
    <message>
        <location filename="../ui/QtTexts.cpp" line="12"/>
        <source>Delete</source>
        <translation>ಅಳಿಸಿ</translation>
    </message>
    <message>
        <location filename="../ui/QtTexts.cpp" line="13"/>
        <source>Select All</source>
        <translation>ಎಲ್ಲವನ್ನೂ ಆಯ್ಕೆಮಾಡಿ</translation>
    </message>
</context>
</TS>
