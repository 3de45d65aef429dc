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
        <location filename="../ui/certificates/CertificateModel.cpp" line="193"/>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="52"/>
        <source>Certificate</source>
        <translation>ಪ್ರಮಾಣಪತ್ರ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateModel.cpp" line="195"/>
        <source>Denomination</source>
        <translation>ಮುಖಬೆಲೆ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateModel.cpp" line="197"/>
        <source>Date of purchase</source>
        <translation>ಖರೀದಿ ದಿನಾಂಕ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateModel.cpp" line="201"/>
        <source>Column %1</source>
        <translation>ಕಾಲಮ್ %1</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateModel.cpp" line="210"/>
        <source>New certificate</source>
        <translation>ಹೊಸ ಪ್ರಮಾಣಪತ್ರ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateModel.cpp" line="216"/>
        <source>Row %1</source>
        <translation>ಸಾಲು %1</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateModel.cpp" line="236"/>
        <location filename="../ui/certificates/CertificateModel.cpp" line="244"/>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="65"/>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="73"/>
        <source>Total</source>
        <translation>ಒಟ್ಟು</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateModel.cpp" line="315"/>
        <source>The financial year chosen in the calculator</source>
        <translation>ಕ್ಯಾಲ್ಕುಲೇಟರ್‌ನಲ್ಲಿ ಆರಿಸಿದ ಆರ್ಥಿಕ ವರ್ಷ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateModel.cpp" line="403"/>
        <source>Add Certificate</source>
        <translation>ಪ್ರಮಾಣಪತ್ರ ಸೇರಿಸಿ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateModel.cpp" line="424"/>
        <source>Edit</source>
        <translation>ತಿದ್ದುಪಡಿ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateModel.cpp" line="441"/>
        <location filename="../ui/certificates/CertificateModel.cpp" line="448"/>
        <source>Delete</source>
        <translation>ಅಳಿಸಿ</translation>
    </message>
</context>
<context>
    <name>CertificateWindow</name>
    <message>
        <location filename="../ui/certificates/CertificateClipboard.cpp" line="79"/>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="231"/>
        <source>line %1: %2</source>
        <translation>ಸಾಲು %1: %2</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateClipboard.cpp" line="87"/>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="169"/>
        <source>Paste</source>
        <translation>ಅಂಟಿಸಿ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateClipboard.cpp" line="91"/>
        <source>These lines were not pasted: %1.</source>
        <translation>ಈ ಸಾಲುಗಳನ್ನು ಅಂಟಿಸಲಾಗಿಲ್ಲ: %1.</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="41"/>
        <source>Interest on certificates</source>
        <translation>ಪ್ರಮಾಣಪತ್ರಗಳ ಬಡ್ಡಿ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="43"/>
        <source>File: %1</source>
        <translation>ಫೈಲ್: %1</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="44"/>
        <source>Date: %1</source>
        <translation>ದಿನಾಂಕ: %1</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="47"/>
        <source>Financial year: %1</source>
        <translation>ಆರ್ಥಿಕ ವರ್ಷ: %1</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="53"/>
        <source>Year of life</source>
        <translation>ಅವಧಿಯ ವರ್ಷ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="54"/>
        <source>Interest</source>
        <translation>ಬಡ್ಡಿ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="70"/>
        <source>Every financial year</source>
        <translation>ಪ್ರತಿ ಆರ್ಥಿಕ ವರ್ಷ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="72"/>
        <source>Financial year</source>
        <translation>ಆರ್ಥಿಕ ವರ್ಷ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="107"/>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="82"/>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="267"/>
        <source>Certificates</source>
        <translation>ಪ್ರಮಾಣಪತ್ರಗಳು</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="110"/>
        <source>Export PDF</source>
        <translation>PDF ರಫ್ತು ಮಾಡಿ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="111"/>
        <source>PDF files (*.pdf)</source>
        <translation>PDF ಫೈಲ್‌ಗಳು (*.pdf)</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="54"/>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV ಫೈಲ್‌ಗಳು (*.csv);;ಎಲ್ಲಾ ಫೈಲ್‌ಗಳು (*)</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="97"/>
        <source>Total</source>
        <translation>ಒಟ್ಟು</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="144"/>
        <source>&amp;File</source>
        <translation>ಫೈಲ್ (&amp;F)</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="145"/>
        <source>New</source>
        <translation>ಹೊಸದು</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="146"/>
        <source>Open…</source>
        <translation>ತೆರೆಯಿರಿ…</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="147"/>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="296"/>
        <source>Save</source>
        <translation>ಉಳಿಸಿ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="148"/>
        <source>Save As…</source>
        <translation>ಹೀಗೆ ಉಳಿಸಿ…</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="150"/>
        <source>Print…</source>
        <translation>ಮುದ್ರಿಸಿ…</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="151"/>
        <source>Export PDF…</source>
        <translation>PDF ರಫ್ತು ಮಾಡಿ…</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="153"/>
        <source>Close</source>
        <translation>ಮುಚ್ಚಿ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="155"/>
        <source>&amp;Edit</source>
        <translation>ಸಂಪಾದನೆ (&amp;E)</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="157"/>
        <source>Undo</source>
        <translation>ರದ್ದುಮಾಡಿ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="159"/>
        <source>Redo</source>
        <translation>ಮತ್ತೆ ಮಾಡಿ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="167"/>
        <source>Cut</source>
        <translation>ಕತ್ತರಿಸಿ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="168"/>
        <source>Copy</source>
        <translation>ನಕಲಿಸಿ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="170"/>
        <source>Delete</source>
        <translation>ಅಳಿಸಿ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="172"/>
        <source>Select All</source>
        <translation>ಎಲ್ಲವನ್ನೂ ಆಯ್ಕೆಮಾಡಿ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="175"/>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="329"/>
        <source>Add Certificate</source>
        <translation>ಪ್ರಮಾಣಪತ್ರ ಸೇರಿಸಿ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="179"/>
        <source>Untitled</source>
        <translation>ಹೆಸರಿಲ್ಲದ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="183"/>
        <source>%1[*] – Certificates – Tresk Interest Calculator</source>
        <translation>%1[*] – ಪ್ರಮಾಣಪತ್ರಗಳು – ಟ್ರೆಸ್ಕ್ ಬಡ್ಡಿ ಕ್ಯಾಲ್ಕುಲೇಟರ್</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="214"/>
        <source>%1 is not a CSV file.</source>
        <translation>%1 CSV ಫೈಲ್ ಅಲ್ಲ.</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="215"/>
        <source>%1 could not be read.</source>
        <translation>%1 ಓದಲು ಆಗಲಿಲ್ಲ.</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="237"/>
        <source>Some lines are not certificates and are kept as they are: %1.</source>
        <translation>ಕೆಲವು ಸಾಲುಗಳು ಪ್ರಮಾಣಪತ್ರಗಳಲ್ಲ; ಅವನ್ನು ಇದ್ದಂತೆಯೇ ಇರಿಸಲಾಗಿದೆ: %1.</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="239"/>
        <source>More such lines: %1.</source>
        <translation>ಇಂತಹ ಇನ್ನಷ್ಟು ಸಾಲುಗಳು: %1.</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="257"/>
        <source>Open</source>
        <translation>ತೆರೆಯಿರಿ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="268"/>
        <source>Save As</source>
        <translation>ಹೀಗೆ ಉಳಿಸಿ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="279"/>
        <source>The list could not be saved to %1: %2</source>
        <translation>ಪಟ್ಟಿಯನ್ನು %1 ಗೆ ಉಳಿಸಲು ಆಗಲಿಲ್ಲ: %2</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="292"/>
        <source>Save the changes to %1?</source>
        <translation>%1 ರ ಬದಲಾವಣೆಗಳನ್ನು ಉಳಿಸಬೇಕೇ?</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="297"/>
        <source>Discard</source>
        <translation>ತ್ಯಜಿಸಿ</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="298"/>
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
        <location filename="../ui/Form1.cpp" line="24"/>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="50"/>
        <source>Tresk Interest Calculator</source>
        <translation>ಟ್ರೆಸ್ಕ್ ಬಡ್ಡಿ ಕ್ಯಾಲ್ಕುಲೇಟರ್</translation>
    </message>
    <message>
        <location filename="../ui/Form1.cpp" line="26"/>
        <source>Pls. Select a year from the Drop Down List</source>
        <translation>ದಯವಿಟ್ಟು ಡ್ರಾಪ್ ಡೌನ್ ಪಟ್ಟಿಯಿಂದ ಒಂದು ವರ್ಷವನ್ನು ಆಯ್ಕೆಮಾಡಿ</translation>
    </message>
    <message>
        <location filename="../ui/Form1.cpp" line="27"/>
        <source>Accrued Interest of Tresk will not be considered for the specified Financial Year</source>
        <translation>ನಿರ್ದಿಷ್ಟ ಆರ್ಥಿಕ ವರ್ಷಕ್ಕೆ ಟ್ರೆಸ್ಕ್‌ನ ಸಂಚಿತ ಬಡ್ಡಿಯನ್ನು ಪರಿಗಣಿಸಲಾಗುವುದಿಲ್ಲ</translation>
    </message>
    <message>
        <location filename="../ui/Form1.cpp" line="29"/>
        <source>No Interest for this year</source>
        <translation>ಈ ವರ್ಷಕ್ಕೆ ಯಾವುದೇ ಬಡ್ಡಿ ಇಲ್ಲ</translation>
    </message>
    <message>
        <location filename="../ui/Form1.cpp" line="30"/>
        <source>Denomination is too large to calculate</source>
        <translation>ಮುಖಬೆಲೆ ಲೆಕ್ಕಹಾಕಲು ತುಂಬಾ ದೊಡ್ಡದಾಗಿದೆ</translation>
    </message>
    <message>
        <location filename="../ui/Form1.cpp" line="31"/>
        <source>Pls. Select a Financial Year from 1 to 9999 from the Drop Down List</source>
        <translation>ದಯವಿಟ್ಟು ಡ್ರಾಪ್ ಡೌನ್ ಪಟ್ಟಿಯಿಂದ 1 ರಿಂದ 9999 ರವರೆಗಿನ ಒಂದು ಆರ್ಥಿಕ ವರ್ಷವನ್ನು ಆಯ್ಕೆಮಾಡಿ</translation>
    </message>
    <message>
        <location filename="../ui/Form1.cpp" line="34"/>
        <source>The interest could not be calculated</source>
        <translation>ಬಡ್ಡಿಯನ್ನು ಲೆಕ್ಕಹಾಕಲು ಸಾಧ್ಯವಾಗಲಿಲ್ಲ</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="78"/>
        <source>Enter Denomination</source>
        <translation>ಮುಖಬೆಲೆ ನಮೂದಿಸಿ</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="80"/>
        <source>Enter Date of purchase </source>
        <translation>ಖರೀದಿ ದಿನಾಂಕ ನಮೂದಿಸಿ </translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="82"/>
        <source>Accrued Interest</source>
        <translation>ಸಂಚಿತ ಬಡ್ಡಿ</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="85"/>
        <source>Developed by -</source>
        <translation>ತಯಾರಕರು -</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="88"/>
        <location filename="../ui/Form1Schedule.cpp" line="65"/>
        <source>Financial Year</source>
        <translation>ಆರ್ಥಿಕ ವರ್ಷ</translation>
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
        <translation>ಲೆಕ್ಕಹಾಕಿ</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="106"/>
        <source>Financial Year ends</source>
        <translation>ಆರ್ಥಿಕ ವರ್ಷದ ಅಂತ್ಯ</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="137"/>
        <location filename="../ui/certificates/DateDelegate.cpp" line="66"/>
        <source>Choose date of purchase</source>
        <translation>ಖರೀದಿ ದಿನಾಂಕ ಆಯ್ಕೆಮಾಡಿ</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="138"/>
        <source>Open the calendar to pick the date of purchase</source>
        <translation>ಖರೀದಿ ದಿನಾಂಕ ಆಯ್ಕೆಮಾಡಲು ಕ್ಯಾಲೆಂಡರ್ ತೆರೆಯಿರಿ</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="152"/>
        <location filename="../ui/certificates/DateDelegate.cpp" line="37"/>
        <source>Date of purchase calendar</source>
        <translation>ಖರೀದಿ ದಿನಾಂಕದ ಕ್ಯಾಲೆಂಡರ್</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="171"/>
        <source>Copy</source>
        <translation>ನಕಲಿಸಿ</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="175"/>
        <source>Copy Schedule</source>
        <translation>ಅನುಸೂಚಿ ನಕಲಿಸಿ</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="176"/>
        <source>Add to Certificates</source>
        <translation>ಪ್ರಮಾಣಪತ್ರಗಳಿಗೆ ಸೇರಿಸಿ</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="178"/>
        <source>Certificates…</source>
        <translation>ಪ್ರಮಾಣಪತ್ರಗಳು…</translation>
    </message>
    <message>
        <location filename="../ui/Form1Schedule.cpp" line="65"/>
        <source>Year of life</source>
        <translation>ಅವಧಿಯ ವರ್ಷ</translation>
    </message>
    <message>
        <location filename="../ui/Form1Schedule.cpp" line="65"/>
        <source>Anniversary</source>
        <translation>ವಾರ್ಷಿಕ ದಿನಾಂಕ</translation>
    </message>
    <message>
        <location filename="../ui/Form1Schedule.cpp" line="66"/>
        <source>Amount</source>
        <translation>ಮೊತ್ತ</translation>
    </message>
    <message>
        <location filename="../ui/Form1Schedule.cpp" line="82"/>
        <source>Total</source>
        <translation>ಒಟ್ಟು</translation>
    </message>
    <message>
        <location filename="../ui/Form1Schedule.cpp" line="78"/>
        <source>Year %1 of the certificate&apos;s life, anniversary on %2, rates of certificates bought %3</source>
        <translation>ಪ್ರಮಾಣಪತ್ರದ ಅವಧಿಯ ವರ್ಷ %1, ವಾರ್ಷಿಕ ದಿನಾಂಕ %2, %3 ಖರೀದಿಸಿದ ಪ್ರಮಾಣಪತ್ರಗಳ ಬಡ್ಡಿ ದರಗಳು</translation>
    </message>
    <message>
        <location filename="../ui/Form1Schedule.cpp" line="29"/>
        <source>before 1 March 2001</source>
        <translation>1 ಮಾರ್ಚ್ 2001 ರ ಮೊದಲು</translation>
    </message>
    <message>
        <location filename="../ui/Form1Schedule.cpp" line="31"/>
        <source>from 1 March 2001 to 28 February 2002</source>
        <translation>1 ಮಾರ್ಚ್ 2001 ರಿಂದ 28 ಫೆಬ್ರವರಿ 2002 ರವರೆಗೆ</translation>
    </message>
    <message>
        <location filename="../ui/Form1Schedule.cpp" line="33"/>
        <source>from 1 March 2002 to 28 February 2003</source>
        <translation>1 ಮಾರ್ಚ್ 2002 ರಿಂದ 28 ಫೆಬ್ರವರಿ 2003 ರವರೆಗೆ</translation>
    </message>
    <message>
        <location filename="../ui/Form1Schedule.cpp" line="37"/>
        <source>from 1 March 2003</source>
        <translation>1 ಮಾರ್ಚ್ 2003 ರಿಂದ</translation>
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
</TS>
