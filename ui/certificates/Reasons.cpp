#include "Reasons.h"

#include <QCoreApplication>
#include <QString>

QString ReasonText(tresk::Problem problem) {
    switch (problem) {
        case tresk::Problem::None:
            break;
        case tresk::Problem::TooFewFields:
            return QCoreApplication::translate("Certificates", "Too few fields");
        case tresk::Problem::NoDenomination:
            return QCoreApplication::translate("Certificates", "No denomination");
        case tresk::Problem::NotADenomination:
            return QCoreApplication::translate("Certificates",
                                               "The denomination is not a positive number");
        case tresk::Problem::TooLarge:
            return QCoreApplication::translate("Certificates",
                                               "The denomination is larger than 1,000,000,000,000");
        case tresk::Problem::NoDate:
            return QCoreApplication::translate("Certificates", "No date of purchase");
        case tresk::Problem::NotADate:
            return QCoreApplication::translate("Certificates",
                                               "The date of purchase is not a date (DD/MM/YYYY)");
        case tresk::Problem::NotText:
            return QCoreApplication::translate("Certificates", "Not text");
        case tresk::Problem::TooLong:
            return QCoreApplication::translate("Certificates", "Longer than 1 MiB");
        case tresk::Problem::OpenQuote:
            return QCoreApplication::translate("Certificates", "A quoted field is not closed");
    }
    return {};
}
