// Definition blocks (DB ... ED), the styles and links that prepare the next
// definition or event (ST, LK), and the selection of a block (SF, CS).
#include "tcf/tcf.h"
#include "tdf/reports_p.h"
#include "tdf/tdfreader.h"

#include <climits>
#include <vector>

namespace {

// An SF line names at most this many block ids.
const int maxSfIds = 9;

}  // namespace

void TDF::invalidateBlock(TDFReport report)
{
    definingBlock->valid = false;
    error(report);
}

bool TDF::isIdFree(unsigned long id)
{
    return !definingBlock->getObjectFromId(id);
}

void TDF::takeDefinitionDecorations(TDFDBObject* definition, bool keepLinkText)
{
    definition->style_ = pendingStyle;
    pendingStyle = nullptr;
    if (pendingLinkLine) {
        definition->sourceLine = int(pendingLinkLine);  // LK takes no larger number
        pendingLinkLine = 0;
    }
    definition->sourceLinkText = pendingLinkText;
    if (!keepLinkText)
        pendingLinkText = QString();
}

void TDF::readDB(char* line)
{
    inDefinitionBlock = true;
    pendingLinkLine = 0;
    pendingStyle = nullptr;
    lastDBInstance = nullptr;
    delete definingBlock;  // only left over when a reset interrupted a block
    definingBlock = factory()->newTDFDefinitionBlock();
    definingBlock->valid = true;
    definingBlock->line = (unsigned int)lineNumber;
    definingBlock->fileName = fileName;
    QString name;
    if (!readString(&line, name, false))
        return invalidateBlock(TDFReport::ConfigurationNameNotString);
    TCF* tcf = tcfList ? tcfList->search(name) : nullptr;
    if (!tcf)
        return invalidateBlock(TDFReport::UndefinedConfiguration);
    // A trace uses one configuration throughout: blocks made for another are skipped.
    if (!traceTCF)
        traceTCF = tcf;
    else if (tcf != traceTCF)
        return invalidateBlock(TDFReport::ConfigurationMismatch);
    definingBlock->setTCF(tcf);
}

void TDF::readID(char* line)
{
    if (definingBlock->hasId)
        return invalidateBlock(TDFReport::IdAlreadyStated);
    const int idLength = definingBlock->tcf ? definingBlock->tcf->idLength() : 0;
    for (int position = 0; *line; ++position) {
        unsigned long id;
        if (!readNumber(&line, &id))
            return invalidateBlock(TDFReport::WrongBlockId);
        if (position >= idLength)
            return invalidateBlock(TDFReport::TooManyIds);
        definingBlock->setId(position, id);
        readWhite(&line);
    }
    definingBlock->hasId = true;
}

void TDF::readSI(char* line)
{
    unsigned long superId;
    if (!readNumber(&line, &superId))
        return invalidateBlock(TDFReport::SuperInstanceNotNumber);
    readWhite(&line);
    TDFDefinitionBlock* block = definingBlock;
    if (*line) {
        std::vector<unsigned long> ids;
        while (*line) {
            unsigned long id;
            if (!readNumber(&line, &id))
                return invalidateBlock(TDFReport::WrongBlockId);
            ids.push_back(id);
            readWhite(&line);
        }
        // The last block with these ids; none leaves the line without effect.
        block = nullptr;
        for (TDFDefinitionBlock* candidate : blocks) {
            if (candidate->cmpId(ids.data(), int(ids.size())))
                block = candidate;
        }
        if (!block)
            return;
    }
    TDFDBInstance* superInstance = block->getInstanceFromId(superId);
    if (!superInstance)
        return invalidateBlock(TDFReport::SuperInstanceNotFound);
    lastDBInstance = superInstance;
}

void TDF::readSO(char* line)
{
    if (definingBlock->source)
        return invalidateBlock(TDFReport::SourceAlreadyDefined);
    QString file;
    if (!readString(&line, file, false))
        return invalidateBlock(TDFReport::SourceFileNotString);
    readWhite(&line);
    unsigned long date;
    if (!readNumber(&line, &date))
        return invalidateBlock(TDFReport::WrongDate);
    readWhite(&line);
    QString typeText;
    if (!readString(&line, typeText, false))
        return invalidateBlock(TDFReport::SourceTypeNotString);
    TDFDBSource::Type type;
    if (typeText == QLatin1String("txt"))
        type = TDFDBSource::TXT;
    else if (typeText == QLatin1String("xrd"))
        type = TDFDBSource::XRD;
    else
        return invalidateBlock(TDFReport::UnknownSourceType);
    definingBlock->source = factory()->newTDFDBSource();
    definingBlock->source->init(file, date, type);
}

void TDF::readIN(char* line)
{
    QString typeName;
    if (!readString(&line, typeName, false))
        return invalidateBlock(TDFReport::TypeNotString);
    InstanceType* type = traceTCF ? traceTCF->instanceType(typeName) : nullptr;
    if (!type)
        return invalidateBlock(TDFReport::UndefinedInstanceType);
    readWhite(&line);
    unsigned long id;
    if (!readNumber(&line, &id))
        return invalidateBlock(TDFReport::WrongIdentification);
    if (!isIdFree(id))
        return invalidateBlock(TDFReport::IdAlreadyDefined);
    readWhite(&line);
    QString name;
    if (!readString(&line, name, false))
        return invalidateBlock(TDFReport::NameNotString);
    TDFDBInstance* instance = factory()->newTDFDBInstance(id, type, name);
    takeDefinitionDecorations(instance, true);
    instance->superInstance = lastDBInstance;
    lastDBInstance = nullptr;
    definingBlock->addInstance(instance);
}

// The id and name of an MS or TX line; false after invalidating the block.
bool TDF::readDefinition(char** line, unsigned long* id, QString& name, TDFReport noNumber)
{
    if (!readNumber(line, id)) {
        invalidateBlock(noNumber);
        return false;
    }
    if (!isIdFree(*id)) {
        invalidateBlock(TDFReport::IdAlreadyDefined);
        return false;
    }
    readWhite(line);
    if (!readString(line, name, false)) {
        invalidateBlock(TDFReport::SecondNotString);
        return false;
    }
    return true;
}

void TDF::readMS(char* line)
{
    unsigned long id;
    QString name;
    if (!readDefinition(&line, &id, name, TDFReport::CantReadMSNumber))
        return;
    TDFDBMessage* message = factory()->newTDFDBMessage(id, name);
    takeDefinitionDecorations(message, true);
    definingBlock->addMessage(message);
    ++definingBlock->messageModelCount;
}

void TDF::readTX(char* line)
{
    unsigned long id;
    QString text;
    if (!readDefinition(&line, &id, text, TDFReport::CantReadTXNumber))
        return;
    TDFDBText* definition = factory()->newTDFDBText(id, text);
    takeDefinitionDecorations(definition, false);
    definingBlock->addText(definition);
}

void TDF::readST(char* line)
{
    pendingStyle = nullptr;
    unsigned long id;
    if (!readOperand(&line, &id, TDFReport::CantReadStyleId))
        return;
    const TDFDefinitionBlock* block = inDefinitionBlock ? definingBlock : currentBlock;
    const TCF* tcf = block ? block->tcf : nullptr;
    if (!tcf)
        return error(TDFReport::NoBlockForStyle);
    pendingStyle = id <= unsigned(INT_MAX) ? tcf->style(int(id)) : nullptr;
    if (!pendingStyle)
        error(TDFReport::CantRetrieveStyle);
}

void TDF::readLK(char* line)
{
    if (!inDefinitionBlock) {
        // Without a string the link is cleared; anything else is lost.
        if (!readString(&line, pendingLinkText, true) || (pendingLinkText.isNull() && *line))
            error(TDFReport::CantReadLinkText);
        return;
    }
    pendingLinkLine = 0;
    if (readString(&line, pendingLinkText, false))
        return;
    if (!readIntNumber(&line, &pendingLinkLine))
        invalidateBlock(TDFReport::LinkNotNumber);
}

TDFObject* TDF::readED(char*, bool* created)
{
    inDefinitionBlock = false;
    pendingLinkLine = 0;
    pendingStyle = nullptr;
    lastDBInstance = nullptr;
    if (!definingBlock->hasId)
        invalidateBlock(TDFReport::BlockWithoutId);
    TDFDefinitionBlock* block = definingBlock;
    definingBlock = nullptr;
    if (!block->valid) {
        delete block;
        return nullptr;
    }
    warnIfDuplicate(block);
    block->blocksNode = blocks.append(block);
    if (created)
        *created = true;
    return block;
}

// Which of two blocks with the same ids a lookup finds is settled (SF the
// first, SI the last); that there are two deserves a word.
void TDF::warnIfDuplicate(const TDFDefinitionBlock* block)
{
    const TDFDefinitionBlock* same = blocks.search(block->ids, block->tcf ? block->tcf->idLength() : 0);
    if (!same)
        return;
    const QString place =
        (same->fileName.isNull() ? QStringLiteral("<tdf>") : same->fileName) + u':' + QString::number(same->line);
    warningAt(block->line, TDFReports::text(TDFReport::DuplicateBlock).arg(place));
}

void TDF::startSkipping()
{
    skippingToNextBlock = true;
    skipStartLine = int(lineNumber);
}

void TDF::warnRestart()
{
    skippingToNextBlock = false;
    warning(TDFReports::text(TDFReport::RestartAnalyzing).arg(lineNumber - (unsigned long)skipStartLine));
}

void TDF::readSF(char* line)
{
    currentBlock = nullptr;
    unsigned long sfNumber;
    if (!readOperand(&line, &sfNumber, TDFReport::CantReadSfNumber))
        return;
    readWhite(&line);
    unsigned long ids[maxSfIds];
    int count = 0;
    bool listEnded = false;
    while (*line && !listEnded) {
        unsigned long id;
        if (!readNumber(&line, &id)) {
            listEnded = true;  // a token that is no number: no block is found
        } else if (count == maxSfIds) {
            return error(TDFReport::SfIdOverflow);
        } else {
            ids[count++] = id;
            readWhite(&line);
        }
    }
    TDFDefinitionBlock* block = listEnded ? nullptr : blocks.search(ids, count);
    if (!block) {
        error(TDFReport::BlockNotFoundSF);
        return startSkipping();
    }
    currentBlock = block;
    if (skippingToNextBlock)
        warnRestart();
    if (TDF_USE_DBTraceId* binding = sfTable.search(sfNumber))
        binding->block = block;
    else
        sfTable.intern(new TDF_USE_DBTraceId{block, sfNumber});
    if (!block->counted) {
        totalMessageModels += block->messageModelCount;
        block->counted = true;
    }
}

void TDF::readCS(char* line)
{
    currentBlock = nullptr;
    unsigned long sfNumber;
    if (!readOperand(&line, &sfNumber, TDFReport::CantReadCsNumber))
        return;
    if (const TDF_USE_DBTraceId* binding = sfTable.search(sfNumber))
        currentBlock = binding->block;
    if (skippingToNextBlock)
        warnRestart();
    if (!currentBlock) {
        error(TDFReport::BlockNotFoundCS);
        startSkipping();
    }
}
