#pragma once

#include <QString>

// The operating-system facts of the protocol's "SYSTEMINFO:" block.
struct SystemInfo {
    QString platform;
    // major "." minor
    QString version;
    QString build;
    // Text printed after the build, e.g. the distribution's name.
    QString edition;

    static SystemInfo current();
};
