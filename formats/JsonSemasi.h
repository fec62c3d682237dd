#pragma once

#include <QJsonObject>

namespace quv::belge {

// The JSON Schema (draft 2020-12) of the case file and of the settings document,
// made from the same section lists the import checks against, so the published
// schema cannot drift from what the program reads.
QJsonObject foySemasi();
QJsonObject ayarSemasi();

}  // namespace quv::belge
