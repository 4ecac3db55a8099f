// The factory through which the reader creates every trace object and
// static definition.  A host installs a subclass (TDF::setFactory) to get
// objects of its own derived classes; each operation returns a new,
// default-constructed object that the caller owns.
#pragma once

#include "stacksizeview_export.h"

#include "tdf/tdf_db.h"

class STACKSIZEVIEW_EXPORT TDFFactory {
public:
    virtual TDFNote* newTDFNote();
    virtual TDFGlyph* newTDFGlyph();
    virtual TDFSynchronisation* newTDFSynchronisation();
    virtual TDFAction* newTDFAction();
    virtual TDFLoopStart* newTDFLoopStart();
    virtual TDFLoopEnd* newTDFLoopEnd();
    virtual TDFInstance* newTDFInstance();
    virtual TDFInstanceDelete* newTDFInstanceDelete();
    virtual TDFInstanceDeleteAll* newTDFInstanceDeleteAll();
    virtual TDFMessageReturn* newTDFMessageReturn();
    virtual TDFMessageCall* newTDFMessageCall();
    virtual TDFMessage* newTDFMessage();
    virtual TDFDefinitionBlock* newTDFDefinitionBlock();
    virtual TDFThreadInfo* newTDFThreadInfo();
    virtual TDFThread* newTDFThread();
    virtual TDFNewTrace* newTDFNewTrace();
    virtual TDFExternalTrigger* newTDFExternalTrigger();
    virtual TDFTriggerStart* newTDFTriggerStart();
    virtual TDFTriggerStop* newTDFTriggerStop();
    virtual TDFDBSource* newTDFDBSource();
    virtual TDFDBObject* newTDFDBObject(TDFDBObjectType type, unsigned long id, const QString& name);
    virtual TDFDBMessage* newTDFDBMessage(unsigned long id, const QString& name);
    virtual TDFDBInstance* newTDFDBInstance(unsigned long id, InstanceType* type, const QString& name);
    virtual TDFDBText* newTDFDBText(unsigned long id, const QString& name);
    virtual ~TDFFactory();
};
