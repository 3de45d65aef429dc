<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="mr" sourcelanguage="en">
<context>
    <name>Calendar</name>
    <message>
        <location filename="../ui/accessible/Accessibility.cpp" line="43"/>
        <source>Previous month</source>
        <translation>मागील महिना</translation>
    </message>
    <message>
        <location filename="../ui/accessible/Accessibility.cpp" line="44"/>
        <source>Next month</source>
        <translation>पुढील महिना</translation>
    </message>
    <message>
        <location filename="../ui/accessible/Accessibility.cpp" line="46"/>
        <source>Month %1</source>
        <translation>महिना %1</translation>
    </message>
    <message>
        <location filename="../ui/accessible/Accessibility.cpp" line="48"/>
        <source>Year %1</source>
        <translation>वर्ष %1</translation>
    </message>
    <message>
        <location filename="../ui/accessible/Accessibility.cpp" line="49"/>
        <source>Year</source>
        <translation>वर्ष</translation>
    </message>
    <message>
        <location filename="../ui/accessible/CalendarDayAccessible.cpp" line="95"/>
        <source>Select</source>
        <translation>निवडा</translation>
    </message>
    <message>
        <location filename="../ui/accessible/CalendarDayAccessible.cpp" line="101"/>
        <source>Makes this day the calendar&apos;s date</source>
        <translation>हा दिवस दिनदर्शिकेची तारीख बनवते</translation>
    </message>
</context>
<context>
    <name>CertificateModel</name>
    <message>
        <location filename="../ui/certificates/CertificateModel.cpp" line="193"/>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="52"/>
        <source>Certificate</source>
        <translation>प्रमाणपत्र</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateModel.cpp" line="195"/>
        <source>Denomination</source>
        <translation>दर्शनी मूल्य</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateModel.cpp" line="197"/>
        <source>Date of purchase</source>
        <translation>खरेदीची तारीख</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateModel.cpp" line="201"/>
        <source>Column %1</source>
        <translation>स्तंभ %1</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateModel.cpp" line="210"/>
        <source>New certificate</source>
        <translation>नवीन प्रमाणपत्र</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateModel.cpp" line="216"/>
        <source>Row %1</source>
        <translation>ओळ %1</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateModel.cpp" line="236"/>
        <location filename="../ui/certificates/CertificateModel.cpp" line="244"/>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="65"/>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="73"/>
        <source>Total</source>
        <translation>एकूण</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateModel.cpp" line="315"/>
        <source>The financial year chosen in the calculator</source>
        <translation>कॅल्क्युलेटरमध्ये निवडलेले आर्थिक वर्ष</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateModel.cpp" line="403"/>
        <source>Add Certificate</source>
        <translation>प्रमाणपत्र जोडा</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateModel.cpp" line="424"/>
        <source>Edit</source>
        <translation>संपादन</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateModel.cpp" line="441"/>
        <location filename="../ui/certificates/CertificateModel.cpp" line="448"/>
        <source>Delete</source>
        <translation>हटवा</translation>
    </message>
</context>
<context>
    <name>CertificateWindow</name>
    <message>
        <location filename="../ui/certificates/CertificateClipboard.cpp" line="79"/>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="231"/>
        <source>line %1: %2</source>
        <translation>ओळ %1: %2</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateClipboard.cpp" line="87"/>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="169"/>
        <source>Paste</source>
        <translation>पेस्ट करा</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateClipboard.cpp" line="91"/>
        <source>These lines were not pasted: %1.</source>
        <translation>या ओळी पेस्ट केल्या नाहीत: %1.</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="41"/>
        <source>Interest on certificates</source>
        <translation>प्रमाणपत्रांवरील व्याज</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="43"/>
        <source>File: %1</source>
        <translation>फाइल: %1</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="44"/>
        <source>Date: %1</source>
        <translation>दिनांक: %1</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="47"/>
        <source>Financial year: %1</source>
        <translation>आर्थिक वर्ष: %1</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="53"/>
        <source>Year of life</source>
        <translation>मुदतीचे वर्ष</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="54"/>
        <source>Interest</source>
        <translation>व्याज</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="70"/>
        <source>Every financial year</source>
        <translation>प्रत्येक आर्थिक वर्ष</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="72"/>
        <source>Financial year</source>
        <translation>आर्थिक वर्ष</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="107"/>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="82"/>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="267"/>
        <source>Certificates</source>
        <translation>प्रमाणपत्रे</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="110"/>
        <source>Export PDF</source>
        <translation>PDF निर्यात करा</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateStatement.cpp" line="111"/>
        <source>PDF files (*.pdf)</source>
        <translation>PDF फाइली (*.pdf)</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="54"/>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV फाइली (*.csv);;सर्व फाइली (*)</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="97"/>
        <source>Total</source>
        <translation>एकूण</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="144"/>
        <source>&amp;File</source>
        <translation>फाइल (&amp;F)</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="145"/>
        <source>New</source>
        <translation>नवीन</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="146"/>
        <source>Open…</source>
        <translation>उघडा…</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="147"/>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="296"/>
        <source>Save</source>
        <translation>जतन करा</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="148"/>
        <source>Save As…</source>
        <translation>या रूपात जतन करा…</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="150"/>
        <source>Print…</source>
        <translation>छापा…</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="151"/>
        <source>Export PDF…</source>
        <translation>PDF निर्यात करा…</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="153"/>
        <source>Close</source>
        <translation>बंद करा</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="155"/>
        <source>&amp;Edit</source>
        <translation>संपादन (&amp;E)</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="157"/>
        <source>Undo</source>
        <translation>पूर्ववत करा</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="159"/>
        <source>Redo</source>
        <translation>पुन्हा करा</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="167"/>
        <source>Cut</source>
        <translation>कट करा</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="168"/>
        <source>Copy</source>
        <translation>कॉपी करा</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="170"/>
        <source>Delete</source>
        <translation>हटवा</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="172"/>
        <source>Select All</source>
        <translation>सर्व निवडा</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="175"/>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="329"/>
        <source>Add Certificate</source>
        <translation>प्रमाणपत्र जोडा</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="179"/>
        <source>Untitled</source>
        <translation>शीर्षकहीन</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="183"/>
        <source>%1[*] – Certificates – Tresk Interest Calculator</source>
        <translation>%1[*] – प्रमाणपत्रे – ट्रेस्क व्याज कॅल्क्युलेटर</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="214"/>
        <source>%1 is not a CSV file.</source>
        <translation>%1 ही CSV फाइल नाही.</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="215"/>
        <source>%1 could not be read.</source>
        <translation>%1 वाचता आली नाही.</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="237"/>
        <source>Some lines are not certificates and are kept as they are: %1.</source>
        <translation>काही ओळी प्रमाणपत्रे नाहीत; त्या आहेत तशाच ठेवल्या आहेत: %1.</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="239"/>
        <source>More such lines: %1.</source>
        <translation>अशा आणखी ओळी: %1.</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="257"/>
        <source>Open</source>
        <translation>उघडा</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="268"/>
        <source>Save As</source>
        <translation>या रूपात जतन करा</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="279"/>
        <source>The list could not be saved to %1: %2</source>
        <translation>यादी %1 मध्ये जतन करता आली नाही: %2</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="292"/>
        <source>Save the changes to %1?</source>
        <translation>%1 मधील बदल जतन करायचे?</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="297"/>
        <source>Discard</source>
        <translation>टाकून द्या</translation>
    </message>
    <message>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="298"/>
        <source>Cancel</source>
        <translation>रद्द करा</translation>
    </message>
</context>
<context>
    <name>Certificates</name>
    <message>
        <location filename="../ui/certificates/Reasons.cpp" line="11"/>
        <source>Too few fields</source>
        <translation>खूप कमी रकाने</translation>
    </message>
    <message>
        <location filename="../ui/certificates/Reasons.cpp" line="13"/>
        <source>No denomination</source>
        <translation>दर्शनी मूल्य नाही</translation>
    </message>
    <message>
        <location filename="../ui/certificates/Reasons.cpp" line="15"/>
        <source>The denomination is not a positive number</source>
        <translation>दर्शनी मूल्य धन संख्या नाही</translation>
    </message>
    <message>
        <location filename="../ui/certificates/Reasons.cpp" line="18"/>
        <source>The denomination is larger than 1,000,000,000,000</source>
        <translation>दर्शनी मूल्य 1,000,000,000,000 पेक्षा जास्त आहे</translation>
    </message>
    <message>
        <location filename="../ui/certificates/Reasons.cpp" line="21"/>
        <source>No date of purchase</source>
        <translation>खरेदीची तारीख नाही</translation>
    </message>
    <message>
        <location filename="../ui/certificates/Reasons.cpp" line="23"/>
        <source>The date of purchase is not a date (DD/MM/YYYY)</source>
        <translation>खरेदीची तारीख ही तारीख नाही (DD/MM/YYYY)</translation>
    </message>
    <message>
        <location filename="../ui/certificates/Reasons.cpp" line="26"/>
        <source>Not text</source>
        <translation>मजकूर नाही</translation>
    </message>
    <message>
        <location filename="../ui/certificates/Reasons.cpp" line="28"/>
        <source>Longer than 1 MiB</source>
        <translation>1 MiB पेक्षा लांब</translation>
    </message>
    <message>
        <location filename="../ui/certificates/Reasons.cpp" line="30"/>
        <source>A quoted field is not closed</source>
        <translation>अवतरणचिन्हातील रकाना बंद नाही</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <location filename="../ui/Form1.cpp" line="24"/>
        <location filename="../ui/certificates/CertificateWindow.cpp" line="50"/>
        <source>Tresk Interest Calculator</source>
        <translation>ट्रेस्क व्याज कॅल्क्युलेटर</translation>
    </message>
    <message>
        <location filename="../ui/Form1.cpp" line="26"/>
        <source>Pls. Select a year from the Drop Down List</source>
        <translation>कृपया ड्रॉप डाउन सूचीतून एक वर्ष निवडा</translation>
    </message>
    <message>
        <location filename="../ui/Form1.cpp" line="27"/>
        <source>Accrued Interest of Tresk will not be considered for the specified Financial Year</source>
        <translation>निर्दिष्ट आर्थिक वर्षासाठी ट्रेस्कचे उपार्जित व्याज विचारात घेतले जाणार नाही</translation>
    </message>
    <message>
        <location filename="../ui/Form1.cpp" line="29"/>
        <source>No Interest for this year</source>
        <translation>या वर्षासाठी कोणतेही व्याज नाही</translation>
    </message>
    <message>
        <location filename="../ui/Form1.cpp" line="30"/>
        <source>Denomination is too large to calculate</source>
        <translation>दर्शनी मूल्य गणनेसाठी खूप मोठे आहे</translation>
    </message>
    <message>
        <location filename="../ui/Form1.cpp" line="31"/>
        <source>Pls. Select a Financial Year from 1 to 9999 from the Drop Down List</source>
        <translation>कृपया ड्रॉप डाउन सूचीतून 1 ते 9999 मधील एक आर्थिक वर्ष निवडा</translation>
    </message>
    <message>
        <location filename="../ui/Form1.cpp" line="34"/>
        <source>The interest could not be calculated</source>
        <translation>व्याजाची गणना करता आली नाही</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="78"/>
        <source>Enter Denomination</source>
        <translation>दर्शनी मूल्य भरा</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="80"/>
        <source>Enter Date of purchase </source>
        <translation>खरेदीची तारीख भरा </translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="82"/>
        <source>Accrued Interest</source>
        <translation>उपार्जित व्याज</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="85"/>
        <source>Developed by -</source>
        <translation>विकसक -</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="88"/>
        <location filename="../ui/Form1Schedule.cpp" line="65"/>
        <source>Financial Year</source>
        <translation>आर्थिक वर्ष</translation>
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
        <translation>गणना करा</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="106"/>
        <source>Financial Year ends</source>
        <translation>आर्थिक वर्षाची समाप्ती</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="137"/>
        <location filename="../ui/certificates/DateDelegate.cpp" line="66"/>
        <source>Choose date of purchase</source>
        <translation>खरेदीची तारीख निवडा</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="138"/>
        <source>Open the calendar to pick the date of purchase</source>
        <translation>खरेदीची तारीख निवडण्यासाठी दिनदर्शिका उघडा</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="152"/>
        <location filename="../ui/certificates/DateDelegate.cpp" line="37"/>
        <source>Date of purchase calendar</source>
        <translation>खरेदीच्या तारखेची दिनदर्शिका</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="171"/>
        <source>Copy</source>
        <translation>कॉपी करा</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="175"/>
        <source>Copy Schedule</source>
        <translation>अनुसूची कॉपी करा</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="176"/>
        <source>Add to Certificates</source>
        <translation>प्रमाणपत्रांत जोडा</translation>
    </message>
    <message>
        <location filename="../ui/Form1Controls.cpp" line="178"/>
        <source>Certificates…</source>
        <translation>प्रमाणपत्रे…</translation>
    </message>
    <message>
        <location filename="../ui/Form1Schedule.cpp" line="65"/>
        <source>Year of life</source>
        <translation>मुदतीचे वर्ष</translation>
    </message>
    <message>
        <location filename="../ui/Form1Schedule.cpp" line="65"/>
        <source>Anniversary</source>
        <translation>वर्धापन दिन</translation>
    </message>
    <message>
        <location filename="../ui/Form1Schedule.cpp" line="66"/>
        <source>Amount</source>
        <translation>रक्कम</translation>
    </message>
    <message>
        <location filename="../ui/Form1Schedule.cpp" line="82"/>
        <source>Total</source>
        <translation>एकूण</translation>
    </message>
    <message>
        <location filename="../ui/Form1Schedule.cpp" line="78"/>
        <source>Year %1 of the certificate&apos;s life, anniversary on %2, rates of certificates bought %3</source>
        <translation>प्रमाणपत्राच्या मुदतीचे वर्ष %1, वर्धापन दिन %2 रोजी, %3 खरेदी केलेल्या प्रमाणपत्रांचे व्याजदर</translation>
    </message>
    <message>
        <location filename="../ui/Form1Schedule.cpp" line="29"/>
        <source>before 1 March 2001</source>
        <translation>1 मार्च 2001 पूर्वी</translation>
    </message>
    <message>
        <location filename="../ui/Form1Schedule.cpp" line="31"/>
        <source>from 1 March 2001 to 28 February 2002</source>
        <translation>1 मार्च 2001 ते 28 फेब्रुवारी 2002 दरम्यान</translation>
    </message>
    <message>
        <location filename="../ui/Form1Schedule.cpp" line="33"/>
        <source>from 1 March 2002 to 28 February 2003</source>
        <translation>1 मार्च 2002 ते 28 फेब्रुवारी 2003 दरम्यान</translation>
    </message>
    <message>
        <location filename="../ui/Form1Schedule.cpp" line="37"/>
        <source>from 1 March 2003</source>
        <translation>1 मार्च 2003 पासून</translation>
    </message>
</context>
<context>
    <name>NoticeBox</name>
    <message>
        <location filename="../ui/NoticeBox.cpp" line="52"/>
        <source>OK</source>
        <translation>ठीक आहे</translation>
    </message>
</context>
</TS>
