// The host's component model: an object offers interfaces, each named by a
// QUuid.  queryInterface hands one out with a reference added for the
// caller, who gives it back with release().
#pragma once

#include "hostsdk_export.h"

#include <QUuid>

enum QRESULT { QS_OK = 0, QE_NOINTERFACE = 1 };

class HOSTSDK_EXPORT QUnknownInterface {
public:
    // {09322b3b-e55a-4032-b936-ffdaf1cbb841}: offered by every component.
    static constexpr QUuid IID{0x09322b3b, 0xe55a, 0x4032, 0xb9, 0x36, 0xff, 0xda, 0xf1, 0xcb, 0xb8, 0x41};

    // Sets *iface to the interface `id` of this object, with one reference
    // added, or to null when the object does not offer it.
    virtual QRESULT queryInterface(const QUuid& id, QUnknownInterface** iface) = 0;
    virtual unsigned long addRef() = 0;
    virtual unsigned long release() = 0;

protected:
    virtual ~QUnknownInterface() = default;
};

// An object offering QUnknownInterface and one interface of its own
// (Interface::IID).  The count only tracks the users: the object's owner
// deletes it, whatever the count.
template <class Interface>
class QComponentObject : public Interface {
public:
    QRESULT queryInterface(const QUuid& id, QUnknownInterface** iface) override
    {
        const bool offered = id == QUnknownInterface::IID || id == Interface::IID;
        *iface = offered ? this : nullptr;
        if (!offered)
            return QE_NOINTERFACE;
        addRef();
        return QS_OK;
    }
    unsigned long addRef() override { return ++references_; }
    unsigned long release() override { return references_ ? --references_ : 0; }
    unsigned long references() const { return references_; }

private:
    unsigned long references_ = 0;
};
