#pragma once

#include <QStringList>

int stoffBefehl(const QStringList& args); // qvr substances dump|pack ...
