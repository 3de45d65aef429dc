<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ta" sourcelanguage="en">
<context>
    <name>Calendar</name>
    <message>
        <location filename="../ui/accessible/Accessibility.cpp" line="43"/>
        <source>Previous month</source>
        <translation>முந்தைய மாதம்</translation>
    </message>
    <message>
        <location filename="../ui/accessible/Accessibility.cpp" line="44"/>
        <source>Next month</source>
        <translation>அடுத்த மாதம்</translation>
    </message>
    <message>
        <location filename="../ui/accessible/Accessibility.cpp" line="46"/>
        <source>Month %1</source>
        <translation>மாதம் %1</translation>
    </message>
    <message>
        <location filename="../ui/accessible/Accessibility.cpp" line="48"/>
        <source>Year %1</source>
        <translation>ஆண்டு %1</translation>
    </message>
    <message>
        <location filename="../ui/accessible/Accessibility.cpp" line="49"/>
        <source>Year</source>
        <translation>ஆண்டு</translation>
    </message>
    <message>
        <location filename="../ui/accessible/CalendarDayAccessible.cpp" line="95"/>
        <source>Select</source>
        <translation>தேர்ந்தெடு</translation>
    </message>
    <message>
        <location filename="../ui/accessible/CalendarDayAccessible.cpp" line="101"/>
        <source>Makes this day the calendar&apos;s date</source>
        <translation>இந்த நாளை நாட்காட்டியின் தேதியாக்குகிறது</translation>
    </message>
</context>
<context>
    <name>CertificateModel</name>
    <message>
        <location filename="../ui/certificates/CertificateModel.cpp" line="193"/>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="52"/>
        <source>Certificate</source>
        <translation>சான்றிதழ்</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateModel.cpp" line="195"/>
        <source>Denomination</source>
        <translation>முக மதிப்பு</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateModel.cpp" line="197"/>
        <source>Date of purchase</source>
        <translation>வாங்கிய தேதி</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateModel.cpp" line="201"/>
        <source>Column %1</source>
        <translation>நெடுவரிசை %1</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateModel.cpp" line="210"/>
        <source>New certificate</source>
        <translation>புதிய சான்றிதழ்</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateModel.cpp" line="216"/>
        <source>Row %1</source>
        <translation>வரிசை %1</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateModel.cpp" line="236"/>
        <location filename="../ui/certificates/CertificateModel.cpp" line="244"/>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="65"/>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="73"/>
        <source>Total</source>
        <translation>மொத்தம்</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateModel.cpp" line="315"/>
        <source>The financial year chosen in the calculator</source>
        <translation>கணிப்பானில் தேர்ந்தெடுத்த நிதியாண்டு</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateModel.cpp" line="403"/>
        <source>Add Certificate</source>
        <translation>சான்றிதழைச் சேர்</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateModel.cpp" line="424"/>
        <source>Edit</source>
        <translation>திருத்தம்</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateModel.cpp" line="441"/>
        <location filename="../ui/certificates/CertificateModel.cpp" line="448"/>
        <source>Delete</source>
        <translation>நீக்கு</translation>
    </message>
</context>
<context>
    <name>CertificateWindow</name>
    <message>
        <location filename="../ui/certificates/CertificateClipboard.cpp" line="79"/>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="231"/>
        <source>line %1: %2</source>
        <translation>வரி %1: %2</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateClipboard.cpp" line="87"/>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="169"/>
        <source>Paste</source>
        <translation>ஒட்டு</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateClipboard.cpp" line="91"/>
        <source>These lines were not pasted: %1.</source>
        <translation>இந்த வரிகள் ஒட்டப்படவில்லை: %1.</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="41"/>
        <source>Interest on certificates</source>
        <translation>சான்றிதழ்களின் வட்டி</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="43"/>
        <source>File: %1</source>
        <translation>கோப்பு: %1</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="44"/>
        <source>Date: %1</source>
        <translation>தேதி: %1</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="47"/>
        <source>Financial year: %1</source>
        <translation>நிதியாண்டு: %1</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="53"/>
        <source>Year of life</source>
        <translation>காலத்தின் ஆண்டு</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="54"/>
        <source>Interest</source>
        <translation>வட்டி</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="70"/>
        <source>Every financial year</source>
        <translation>ஒவ்வொரு நிதியாண்டும்</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="72"/>
        <source>Financial year</source>
        <translation>நிதியாண்டு</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="107"/>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="82"/>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="267"/>
        <source>Certificates</source>
        <translation>சான்றிதழ்கள்</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="110"/>
        <source>Export PDF</source>
        <translation>PDF ஏற்றுமதி</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="111"/>
        <source>PDF files (*.pdf)</source>
        <translation>PDF கோப்புகள் (*.pdf)</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="54"/>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV கோப்புகள் (*.csv);;எல்லா கோப்புகளும் (*)</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="97"/>
        <source>Total</source>
        <translation>மொத்தம்</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="144"/>
        <source>&amp;File</source>
        <translation>கோப்பு (&amp;F)</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="145"/>
        <source>New</source>
        <translation>புதியது</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="146"/>
        <source>Open…</source>
        <translation>திற…</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="147"/>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="296"/>
        <source>Save</source>
        <translation>சேமி</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="148"/>
        <source>Save As…</source>
        <translation>இவ்வாறு சேமி…</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="150"/>
        <source>Print…</source>
        <translation>அச்சிடு…</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="151"/>
        <source>Export PDF…</source>
        <translation>PDF ஏற்றுமதி…</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="153"/>
        <source>Close</source>
        <translation>மூடு</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="155"/>
        <source>&amp;Edit</source>
        <translation>திருத்து (&amp;E)</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="157"/>
        <source>Undo</source>
        <translation>செயல்தவிர்</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="159"/>
        <source>Redo</source>
        <translation>மீண்டும் செய்</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="167"/>
        <source>Cut</source>
        <translation>வெட்டு</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="168"/>
        <source>Copy</source>
        <translation>நகலெடு</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="170"/>
        <source>Delete</source>
        <translation>நீக்கு</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="172"/>
        <source>Select All</source>
        <translation>அனைத்தையும் தேர்ந்தெடு</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="175"/>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="329"/>
        <source>Add Certificate</source>
        <translation>சான்றிதழைச் சேர்</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="179"/>
        <source>Untitled</source>
        <translation>பெயரிடப்படாதது</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="183"/>
        <source>%1[*] – Certificates – Tresk Interest Calculator</source>
        <translation>%1[*] – சான்றிதழ்கள் – ட்ரெஸ்க் வட்டி கணிப்பான்</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="214"/>
        <source>%1 is not a CSV file.</source>
        <translation>%1 CSV கோப்பு அல்ல.</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="215"/>
        <source>%1 could not be read.</source>
        <translation>%1 ஐப் படிக்க முடியவில்லை.</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="237"/>
        <source>Some lines are not certificates and are kept as they are: %1.</source>
        <translation>சில வரிகள் சான்றிதழ்கள் அல்ல; அவை உள்ளபடியே வைக்கப்பட்டுள்ளன: %1.</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="239"/>
        <source>More such lines: %1.</source>
        <translation>இதுபோன்ற மேலும் வரிகள்: %1.</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="257"/>
        <source>Open</source>
        <translation>திற</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="268"/>
        <source>Save As</source>
        <translation>இவ்வாறு சேமி</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="279"/>
        <source>The list could not be saved to %1: %2</source>
        <translation>பட்டியலை %1 இல் சேமிக்க முடியவில்லை: %2</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="292"/>
        <source>Save the changes to %1?</source>
        <translation>%1 இன் மாற்றங்களைச் சேமிக்கவா?</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="297"/>
        <source>Discard</source>
        <translation>நிராகரி</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="298"/>
        <source>Cancel</source>
        <translation>ரத்து</translation>
    </message>
</context>
<context>
    <name>Certificates</name>
    <message>
        <location filename="../ui/certificates/Reasons.cpp" line="11"/>
        <source>Too few fields</source>
        <translation>மிகக் குறைவான புலங்கள்</translation>
    </message>
    <message>
        <location filename="../ui/certificates/Reasons.cpp" line="13"/>
        <source>No denomination</source>
        <translation>முக மதிப்பு இல்லை</translation>
    </message>
    <message>
        <location filename="../ui/certificates/Reasons.cpp" line="15"/>
        <source>The denomination is not a positive number</source>
        <translation>முக மதிப்பு நேர்மறை எண் அல்ல</translation>
    </message>
    <message>
        <location filename="../ui/certificates/Reasons.cpp" line="18"/>
        <source>The denomination is larger than 1,000,000,000,000</source>
        <translation>முக மதிப்பு 1,000,000,000,000 ஐ விட அதிகம்</translation>
    </message>
    <message>
        <location filename="../ui/certificates/Reasons.cpp" line="21"/>
        <source>No date of purchase</source>
        <translation>வாங்கிய தேதி இல்லை</translation>
    </message>
    <message>
        <location filename="../ui/certificates/Reasons.cpp" line="23"/>
        <source>The date of purchase is not a date (DD/MM/YYYY)</source>
        <translation>வாங்கிய தேதி ஒரு தேதி அல்ல (DD/MM/YYYY)</translation>
    </message>
    <message>
        <location filename="../ui/certificates/Reasons.cpp" line="26"/>
        <source>Not text</source>
        <translation>உரை அல்ல</translation>
    </message>
    <message>
        <location filename="../ui/certificates/Reasons.cpp" line="28"/>
        <source>Longer than 1 MiB</source>
        <translation>1 MiB ஐ விட நீளம்</translation>
    </message>
    <message>
        <location filename="../ui/certificates/Reasons.cpp" line="30"/>
        <source>A quoted field is not closed</source>
        <translation>மேற்கோள் புலம் மூடப்படவில்லை</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <location filename="../ui/Form1.cpp" line="24"/>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="50"/>
        <source>Tresk Interest Calculator</source>
        <translation>ட்ரெஸ்க் வட்டி கணிப்பான்</translation>
    </message>
    <message>
        <location filename="../ui/Form1.cpp" line="26"/>
        <source>Pls. Select a year from the Drop Down List</source>
        <translation>கீழிறங்கு பட்டியலிலிருந்து ஓர் ஆண்டைத் தேர்ந்தெடுக்கவும்</translation>
    </message>
    <message>
        <location filename="../ui/Form1.cpp" line="27"/>
        <source>Accrued Interest of Tresk will not be considered for the specified Financial Year</source>
        <translation>குறிப்பிட்ட நிதியாண்டிற்கு ட்ரெஸ்க்கின் திரண்ட வட்டி கணக்கில் கொள்ளப்படாது</translation>
    </message>
    <message>
        <location filename="../ui/Form1.cpp" line="29"/>
        <source>No Interest for this year</source>
        <translation>இந்த ஆண்டிற்கு வட்டி இல்லை</translation>
    </message>
    <message>
        <location filename="../ui/Form1.cpp" line="30"/>
        <source>Denomination is too large to calculate</source>
        <translation>முக மதிப்பு கணக்கிட முடியாத அளவு பெரியது</translation>
    </message>
    <message>
        <location filename="../ui/Form1.cpp" line="31"/>
        <source>Pls. Select a Financial Year from 1 to 9999 from the Drop Down List</source>
        <translation>கீழிறங்கு பட்டியலிலிருந்து 1 முதல் 9999 வரையிலான ஒரு நிதியாண்டைத் தேர்ந்தெடுக்கவும்</translation>
    </message>
    <message>
        <location filename="../ui/Form1.cpp" line="34"/>
        <source>The interest could not be calculated</source>
        <translation>வட்டியைக் கணக்கிட முடியவில்லை</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="78"/>
        <source>Enter Denomination</source>
        <translation>முக மதிப்பு</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="80"/>
        <source>Enter Date of purchase </source>
        <translation>வாங்கிய தேதி </translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="82"/>
        <source>Accrued Interest</source>
        <translation>திரண்ட வட்டி</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="85"/>
        <source>Developed by -</source>
        <translation>உருவாக்கம் -</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="88"/>
        <location filename="../ui/Form1Schedule.cpp" line="65"/>
        <source>Financial Year</source>
        <translation>நிதியாண்டு</translation>
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
        <translation>கணக்கிடு</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="106"/>
        <source>Financial Year ends</source>
        <translation>நிதியாண்டு முடிவு</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="137"/>
        <location filename="../ui/certificates/DateDelegate.cpp" line="66"/>
        <source>Choose date of purchase</source>
        <translation>வாங்கிய தேதியைத் தேர்ந்தெடு</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="138"/>
        <source>Open the calendar to pick the date of purchase</source>
        <translation>வாங்கிய தேதியைத் தேர்ந்தெடுக்க நாட்காட்டியைத் திறக்கவும்</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="152"/>
        <location filename="../ui/certificates/DateDelegate.cpp" line="37"/>
        <source>Date of purchase calendar</source>
        <translation>வாங்கிய தேதி நாட்காட்டி</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="171"/>
        <source>Copy</source>
        <translation>நகலெடு</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="175"/>
        <source>Copy Schedule</source>
        <translation>அட்டவணையை நகலெடு</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="176"/>
        <source>Add to Certificates</source>
        <translation>சான்றிதழ்களில் சேர்</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="178"/>
        <source>Certificates…</source>
        <translation>சான்றிதழ்கள்…</translation>
    </message>
    <message>
        <location filename="../ui/Form1Schedule.cpp" line="65"/>
        <source>Year of life</source>
        <translation>காலத்தின் ஆண்டு</translation>
    </message>
    <message>
        <location filename="../ui/Form1Schedule.cpp" line="65"/>
        <source>Anniversary</source>
        <translation>ஆண்டு நிறைவு</translation>
    </message>
    <message>
        <location filename="../ui/Form1Schedule.cpp" line="66"/>
        <source>Amount</source>
        <translation>தொகை</translation>
    </message>
    <message>
        <location filename="../ui/Form1Schedule.cpp" line="82"/>
        <source>Total</source>
        <translation>மொத்தம்</translation>
    </message>
    <message>
        <location filename="../ui/Form1Schedule.cpp" line="78"/>
        <source>Year %1 of the certificate&apos;s life, anniversary on %2, rates of certificates bought %3</source>
        <translation>சான்றிதழ் காலத்தின் ஆண்டு %1, ஆண்டு நிறைவு %2 அன்று, %3 வாங்கிய சான்றிதழ்களின் வட்டி விகிதங்கள்</translation>
    </message>
    <message>
        <location filename="../ui/Form1Schedule.cpp" line="29"/>
        <source>before 1 March 2001</source>
        <translation>1 மார்ச் 2001க்கு முன்</translation>
    </message>
    <message>
        <location filename="../ui/Form1Schedule.cpp" line="31"/>
        <source>from 1 March 2001 to 28 February 2002</source>
        <translation>1 மார்ச் 2001 முதல் 28 பிப்ரவரி 2002 வரை</translation>
    </message>
    <message>
        <location filename="../ui/Form1Schedule.cpp" line="33"/>
        <source>from 1 March 2002 to 28 February 2003</source>
        <translation>1 மார்ச் 2002 முதல் 28 பிப்ரவரி 2003 வரை</translation>
    </message>
    <message>
        <location filename="../ui/Form1Schedule.cpp" line="37"/>
        <source>from 1 March 2003</source>
        <translation>1 மார்ச் 2003 முதல்</translation>
    </message>
</context>
<context>
    <name>NoticeBox</name>
    <message>
        <location filename="../ui/NoticeBox.cpp" line="52"/>
        <source>OK</source>
        <translation>சரி</translation>
    </message>
</context>
</TS>
