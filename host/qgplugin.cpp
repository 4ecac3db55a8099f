#include "host/qgplugin.h"

class QGPlugin::Component : public QComponentObject<QGPluginInterface> {
public:
    explicit Component(QGPlugin* owner) : owner_(owner) {}

    unsigned long release() override
    {
        if (references() == 0)
            return 0;  // an extra release: the object is already gone or never handed out
        const unsigned long left = QComponentObject::release();
        if (left == 0)
            delete owner_;  // destroys this component too
        return left;
    }
    QGPlugin* plugin() override { return owner_; }

private:
    QGPlugin* owner_;
};

QGPlugin::QGPlugin() : component_(std::make_unique<Component>(this)) {}

QGPlugin::~QGPlugin() = default;

QUnknownInterface* QGPlugin::iface()
{
    QUnknownInterface* unknown = nullptr;
    component_->queryInterface(QUnknownInterface::IID, &unknown);
    return unknown;
}
