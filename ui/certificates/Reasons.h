#pragma once

#include "CertificateFile.h"

class QString;

// Why a record is not a certificate, in the window's language.
QString ReasonText(tresk::Problem problem);
