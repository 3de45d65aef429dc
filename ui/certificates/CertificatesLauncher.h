#pragma once

class Form1;
#include <QStringList>

// How the certificates window is reached: from the calculator's menu and keys, and from the
// command line. There is one window at a time.

// The calculator's Certificates… and Add to Certificates open the window.
void ConnectCertificates(Form1& calculator);
// Opens the window on the CSV file the command line names, or on a new list for
// --certificates; false when it names neither.
bool OpenCertificatesFromArguments(const QStringList& arguments);
