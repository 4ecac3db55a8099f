#include "tcf/load_messages_p.h"

#include "foundation/error.h"

#include <QCoreApplication>

namespace TCFLoad {

void error(const QString& message, const QARes* resource)
{
    Error::error(message, resource->srcFileName(), resource->srcLine(), resource->srcColumn());
}

void mustBe(const QString& tag, const char* word, const QARes* resource)
{
    error(QCoreApplication::translate("Load TCF", "%1 must be %2", "%1 is a tag name, %2 a Resource Type")
              .arg(tag, QCoreApplication::translate("Resource Type", word)),
          resource);
}

void alreadyDefined(const QString& tag, const QString& value, const QARes* resource)
{
    error(QCoreApplication::translate("Load TCF", "%1 \"%2\" already defined.", "%1 is a tag name, %2 the value")
              .arg(tag, value),
          resource);
}

}  // namespace TCFLoad
