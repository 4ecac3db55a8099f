// One readable line for a trace object, as tracetool dump prints it:
//   TIME  KIND  NAME  WHO  [link L] [style S] [note "N"] [glyph "G"]
#pragma once

#include "tdf/tdf.h"

#include <QString>

// The object's kind: "message", "delete_all", "new_trace", ...
QString kindText(const TDFObject& object);
// An instance as "Name#id", the world as "world".
QString instanceText(TDFInstance* instance);
QString objectLine(TDF& reader, TDFObject* object);
