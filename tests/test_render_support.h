// Helpers shared by the renderer tests: traces read from lines or from the
// bundled example and laid out, and lookups into the layout.
#pragma once

#include "render/layout_p.h"
#include "render/sequencediagram.h"
#include "test_tdf_support.h"

#include <algorithm>
#include <memory>

// A trace over the test configurations, read from lines that must report
// nothing, then laid out.
class DrawnTrace : public Trace {
public:
    std::unique_ptr<SequenceDiagram> diagram;

    explicit DrawnTrace(const std::string& lines, const RenderOptions& options = RenderOptions())
    {
        EXPECT_EQ(read(lines), Texts{}) << "the trace must read cleanly";
        diagram = std::make_unique<SequenceDiagram>(reader, options);
    }

    const DiagramLayout& layout() const { return diagramLayout(*diagram); }

    // The event at `index` of the reader's objects.
    TDFObject* event(int index) const
    {
        TDFObjectNode* node = reader.objects.head;
        for (int i = 0; i < index; ++i)
            node = node->next;
        return node->item;
    }

    // The newest instance with this dynamic id.
    TDFInstance* instance(unsigned long dynamicId) { return reader.instanceTable.search(dynamicId); }

    // The column of an instance (null: the world), or -1.
    int column(const TDFInstance* instance) const
    {
        const auto& columns = layout().columns;
        for (std::size_t c = 0; c < columns.size(); ++c) {
            if (columns[c].instance == instance)
                return int(c);
        }
        return -1;
    }

    // The row drawing `object` as its own event, or null.
    const Row* row(const TDFObject* object) const { return find(layout().rows, object); }
    int rowIndex(const TDFObject* object) const
    {
        const Row* found = row(object);
        return found ? int(found - layout().rows.data()) : -1;
    }
    // The title box of a column, or null.
    const Box* title(int column) const
    {
        for (const Box& box : layout().boxes) {
            if (box.kind == Box::Title && box.column == column)
                return &box;
        }
        return nullptr;
    }
    const Arrow* arrow(const TDFObject* object) const { return find(layout().arrows, object); }

    // The first shape of `items` drawing `object`, or null.
    template <class Items>
    static const typename Items::value_type* find(const Items& items, const TDFObject* object)
    {
        const auto found =
            std::find_if(items.begin(), items.end(), [object](const auto& item) { return item.object == object; });
        return found == items.end() ? nullptr : &*found;
    }
};

// The bundled RTOS example: configuration and trace.
class ExampleDrawing {
public:
    std::unique_ptr<TCFList> tcf;
    std::unique_ptr<TDF> reader;
    std::unique_ptr<SequenceDiagram> diagram;

    explicit ExampleDrawing(const RenderOptions& options = RenderOptions())
    {
        std::unique_ptr<QARes> root(readResourceFile(SSV_SOURCE_DIR "/examples/config/sequence.qares"));
        tcf.reset(readTCFFromResources(root.get()));
        reader = std::make_unique<TDF>(tcf.get());
        EXPECT_TRUE(reader->readFile(QStringLiteral(SSV_SOURCE_DIR "/examples/traces/rtos.tdf")));
        diagram = std::make_unique<SequenceDiagram>(*reader, options);
    }
};
