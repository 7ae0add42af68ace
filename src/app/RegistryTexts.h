// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Why a hive file or Wine's live registry could not be used, in the user's
// words: the registry layer hands up codes and what they name.
#include "platform/registry/Problem.h"

#include <QCoreApplication>
#include <QString>

namespace fk {

class RegistryTexts {
    Q_DECLARE_TR_FUNCTIONS(fk::RegistryTexts)
public:
    // The file and what is wrong with it, or why the bridge did not start;
    // no final stop, so that it can follow a colon. Empty for no problem.
    static QString problem(const reg::Problem& problem);
    // What is wrong with a damaged line.
    static QString damage(reg::Damage damage, const QString& excerpt);

private:
    static QString file(const reg::Problem& problem);
    static QString bridge(const reg::Problem& problem);
};

}  // namespace fk
