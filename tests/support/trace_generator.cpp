#include "trace_generator.h"

#include <algorithm>

namespace {

const int staticInstances = 6;  // static ids 1 to 6 in every block
const int firstMessage = 10;    // static messages 10 to 17
const int messageModels = 8;
const int firstText = 20;  // static texts 20 to 23
const int texts = 4;
const int styles = 4;
const int glyphs = 3;
const int maxLoopDepth = 4;
const int threadCount = 3;

}  // namespace

const char* TraceGenerator::configuration()
{
    return R"(
tcf {
    name = "G"
    id_length = 2
    control_flow = NESTED
    style { name = "s1" id = 1 }
    style { name = "s2" id = 2 }
    style { name = "s3" id = 3 }
    style { name = "s4" id = 4 }
    instance_type { id = task }
    instance_type { id = isr  control_flow = FLAT  naming = ("ISR %1", STATIC_NAME) }
    thread_state { id = 1 name = "running" }
    thread_state { id = 2 name = "ready" }
    thread_state { id = 3 name = "blocked" }
    glyph { id = 1 name = "g1" }
    glyph { id = 2 name = "g2" }
    glyph { id = 3 name = "g3" }
}
)";
}

void TraceGenerator::IdPool::add(int id)
{
    if (contains(id))
        return;
    position_[size_t(id)] = int(ids_.size());
    ids_.push_back(id);
}

void TraceGenerator::IdPool::remove(int id)
{
    const int index = position_[size_t(id)];
    if (index < 0)
        return;
    ids_[size_t(index)] = ids_.back();
    position_[size_t(ids_.back())] = index;
    ids_.pop_back();
    position_[size_t(id)] = -1;
}

void TraceGenerator::IdPool::clear()
{
    for (int id : ids_)
        position_[size_t(id)] = -1;
    ids_.clear();
}

TraceGenerator::TraceGenerator(unsigned seed, const TraceShape& shape)
    : random_(seed), shape_(shape), alive_(shape.instancePool)
{
    if (chance(20))
        time_ = 0xffff0000UL;  // times that cross 32 bits
}

int TraceGenerator::pick(int count)
{
    return std::uniform_int_distribution<int>(0, count - 1)(random_);
}

// A living instance, or the world (0) `worldPercent` times in a hundred
// and when none lives.
int TraceGenerator::someInstance(int worldPercent)
{
    return alive_.empty() || chance(worldPercent) ? 0 : alive_.at(pick(alive_.size()));
}

bool TraceGenerator::chance(int percent)
{
    return pick(100) < percent;
}

std::string TraceGenerator::name()
{
    static const char letters[] = "abcdefghijklmnopqrstuvwxyz ABC\"\\\xC3\xA9";
    std::string text;
    for (int i = 0, length = 1 + pick(shape_.nameLength); i < length; ++i) {
        const char c = letters[pick(int(sizeof letters) - 1)];
        if (c == '"' || c == '\\')
            text += '\\';
        text += c;
        if (c == '\xC3')
            text += '\xA9';  // keep the two bytes of the UTF-8 letter together
    }
    return '"' + text + '"';
}

// The thread the reader considers running; it outlives a new trace until a
// thread info changes it.
int TraceGenerator::runningThread() const
{
    return currentThread_;
}

void TraceGenerator::write(const std::string& line)
{
    out_.push_back(line);
}

std::vector<std::string> TraceGenerator::lines()
{
    out_.clear();
    definitions();
    if (shape_.pattern != TracePattern::Random)
        return repeatedPattern();
    // Instances and modeless instances are numbered over every trace a
    // reader reads, and a writer sees only the last one: a new trace comes
    // before the first instance.
    if (shape_.newTraces && chance(30)) {
        write("SF 9 1 1000000");
        newTrace();
    } else {
        startTrace();
    }
    while (int(out_.size()) < shape_.events + shape_.blocks * 24)
        event();
    return out_;
}

void TraceGenerator::definitions()
{
    for (int block = 0; block < shape_.blocks; ++block) {
        const std::string suffix = std::to_string(block);
        write("DB \"G\"");
        write("ID " + std::to_string(block + 1) + ' ' + std::to_string(1000000 + block));
        write("SO \"src" + suffix + ".c\" 1 \"txt\"");
        for (int id = 1; id <= staticInstances; ++id) {
            if (id == 2)
                write("ST 2");
            write("LK " + std::to_string(10 * id));
            write("IN \"" + std::string(id % 3 ? "task" : "isr") + "\" " + std::to_string(id) + " \"I" + suffix + '_'
                  + std::to_string(id) + '"');
        }
        for (int id = firstMessage; id < firstMessage + messageModels; ++id)
            write("MS " + std::to_string(id) + " \"m" + suffix + '_' + std::to_string(id) + '"');
        write("LK \"#texts\"");
        for (int id = firstText; id < firstText + texts; ++id)
            write("TX " + std::to_string(id) + " \"t" + suffix + '_' + std::to_string(id) + '"');
        write("ED");
    }
}

std::vector<std::string> TraceGenerator::repeatedPattern()
{
    std::vector<std::string> pattern;
    switch (shape_.pattern) {
    case TracePattern::CallPairs:
        pattern = {"CI 100", "ME 10 200", "MR"};
        break;
    case TracePattern::NestedCalls:
        pattern = {"CI 100", "ME 10 200", "CI 200", "ME 11 100"};
        break;
    default:
        pattern.assign(size_t(shape_.loopNesting), "LS 1");
        pattern.push_back("AC 20 100");
        pattern.resize(pattern.size() + size_t(shape_.loopNesting), "LE");
        break;
    }
    write("SF 1 1 1000000");
    write("NI 1 100");
    write("NI 2 200");
    while (int(out_.size()) < shape_.events + shape_.blocks * 24) {
        for (const std::string& line : pattern)
            write(line);
    }
    return out_;
}

// Selects a block and creates an instance, so that a writer has selected a
// block before anything that needs one.
void TraceGenerator::startTrace()
{
    boundSfNumbers_.clear();
    block_ = pick(shape_.blocks);
    write("SF " + std::to_string(block_ + 1) + ' ' + std::to_string(block_ + 1) + ' '
          + std::to_string(1000000 + block_));
    boundSfNumbers_.push_back(block_ + 1);
    write("TS " + std::to_string(1 + pick(5)));
    while (alive_.empty())
        newInstance();
}

void TraceGenerator::event()
{
    const int roll = pick(100);
    if (roll < 12)
        newInstance();
    else if (roll < 34)
        message();
    else if (roll < 34 + shape_.callPercent / 2)
        call();
    else if (roll < 52)
        messageReturn();
    else if (roll < 58)
        deletion();
    else if (roll < 68)
        decoration();
    else if (roll < 74)
        action();
    else if (roll < 77)
        synchronisation();
    else if (roll < 81)
        loop();
    else if (roll < 82)
        trigger();
    else if (roll < 86 + shape_.idleThreadPercent / 2)
        thread();
    else if (roll < 92)
        time();
    else if (roll < 95)
        selectBlock();
}

void TraceGenerator::selectBlock()
{
    const int block = pick(shape_.blocks);
    const auto bound = std::find(boundSfNumbers_.begin(), boundSfNumbers_.end(), block + 1);
    if (bound != boundSfNumbers_.end() && chance(70)) {
        write("CS " + std::to_string(block + 1));
    } else {
        write("SF " + std::to_string(block + 1) + ' ' + std::to_string(block + 1) + ' '
              + std::to_string(1000000 + block));
        if (bound == boundSfNumbers_.end())
            boundSfNumbers_.push_back(block + 1);
    }
    block_ = block;
}

void TraceGenerator::newInstance()
{
    // An id already living gets a model: a modeless instance its first
    // one, an instance another one.
    const int id = 1 + pick(shape_.instancePool);
    write("NI " + std::to_string(1 + pick(staticInstances)) + ' ' + std::to_string(id)
          + (chance(40) ? ' ' + name() : ""));
    alive_.add(id);
}

// A receiver for a message: a dynamic id (a new one makes a modeless
// instance), or the world.
int TraceGenerator::receiver()
{
    if (chance(10))
        return 0;
    // Mostly a living instance; sometimes an id that makes a new one.
    if (!alive_.empty() && chance(85))
        return someInstance(0);
    const int id = 1 + pick(shape_.instancePool);
    alive_.add(id);
    return id;
}

void TraceGenerator::pushMessage(int model)
{
    callStack_.push_back({model, block_, runningThread()});
    notePending_ = glyphPending_ = false;
}

void TraceGenerator::message()
{
    const auto completable = std::find_if(openCalls_.begin(), openCalls_.end(),
                                          [this](const OpenCall& call) { return call.block == block_; });
    if (completable != openCalls_.end() && chance(60)) {
        const OpenCall open = *completable;
        openCalls_.erase(completable);
        write("ME " + std::to_string(open.model) + ' ' + std::to_string(receiver()) + ' '
              + std::to_string(open.callId));
        pushMessage(open.model);
        return;
    }
    const int model = firstMessage + pick(messageModels);
    write("ME " + std::to_string(model) + ' ' + std::to_string(receiver()) + (chance(30) ? ' ' + name() : ""));
    pushMessage(model);
}

void TraceGenerator::call()
{
    const int model = firstMessage + pick(messageModels);
    std::string line = "MC " + std::to_string(nextCall_) + ' ' + std::to_string(model);
    if (!alive_.empty() && chance(30))
        line += ' ' + std::to_string(someInstance(0));
    write(line);
    openCalls_.push_back({nextCall_++, model, block_});
}

// A return only where the reader finds its message: the newest one of the
// running thread in the selected block (of the model, when one is named).
void TraceGenerator::messageReturn()
{
    const bool named = chance(50);
    const int wanted = callStack_.empty() ? 0 : callStack_[size_t(pick(int(callStack_.size())))].model;
    for (auto entry = callStack_.rbegin(); entry != callStack_.rend(); ++entry) {
        if (entry->thread != runningThread() || entry->block != block_ || (named && entry->model != wanted))
            continue;
        write(named ? "MR " + std::to_string(wanted) : std::string("MR"));
        callStack_.erase(std::next(entry).base());
        notePending_ = glyphPending_ = false;
        return;
    }
}

void TraceGenerator::deletion()
{
    if (alive_.empty() || !shape_.deletions)
        return;
    if (chance(5)) {
        write("DA");
        alive_.clear();
        notePending_ = glyphPending_ = false;
        return;
    }
    const int id = someInstance(0);
    std::string line = "DI " + std::to_string(id);
    if (chance(shape_.deleteMissPercent))
        line += " 999";
    else if (chance(30))
        line += ' ' + std::to_string(firstMessage + pick(messageModels));
    write(line);
    alive_.remove(id);
    notePending_ = false;
}

void TraceGenerator::decoration()
{
    switch (pick(6)) {
    case 0:
        if (glyphPending_)
            return;
        if (chance(10))
            write("NO \"UTF-7\" \"two+AAo-lines\"");  // a text that holds a line feed
        else if (chance(50))
            write("NO " + name());
        else
            write("NO " + std::to_string(firstText + pick(texts)) + (chance(50) ? ' ' + name() : ""));
        notePending_ = true;
        return;
    case 1:
        if (notePending_)
            return;
        write("GL " + std::to_string(1 + pick(glyphs))
              + (chance(50) ? ' ' + std::to_string(firstText + pick(texts)) : "") + (chance(50) ? ' ' + name() : ""));
        glyphPending_ = true;
        return;
    case 2:
        write("ST " + std::to_string(1 + pick(styles)));
        return;
    case 3:
        write("LK " + name());
        return;
    default:
        // CI attaches a pending note, or else a pending glyph.
        write("CI " + std::to_string(someInstance(20)));
        if (notePending_)
            notePending_ = false;
        else
            glyphPending_ = false;
        return;
    }
}

void TraceGenerator::action()
{
    const int instance = someInstance(20);
    const std::string text = chance(50) ? name() : std::to_string(firstText + pick(texts));
    if (chance(20)) {
        write("BA " + text + ' ' + std::to_string(instance));
        write("EA");
    } else {
        write("AC " + text + ' ' + std::to_string(instance));
    }
}

void TraceGenerator::synchronisation()
{
    const std::string text = chance(50) ? name() : std::to_string(firstText + pick(texts));
    if (chance(shape_.syncAllPercent)) {
        if (!alive_.empty())
            write("SA " + text);
        return;
    }
    std::string line = "SY " + text;
    std::vector<int> chosen;
    for (int i = 0, count = 1 + pick(shape_.syncWidth); i < count && !alive_.empty(); ++i) {
        const int id = someInstance(10);
        if (id && std::find(chosen.begin(), chosen.end(), id) != chosen.end())
            continue;
        chosen.push_back(id);
        line += ' ' + std::to_string(id);
    }
    if (!chosen.empty())
        write(line);
}

void TraceGenerator::loop()
{
    if (loopDepth_ > 0 && (loopDepth_ == maxLoopDepth || chance(50))) {
        write("LE");
        --loopDepth_;
    } else {
        write("LS " + std::to_string(1 + pick(10)));
        ++loopDepth_;
    }
}

void TraceGenerator::trigger()
{
    static const char* const markers[] = {"ET", "GA", "GS"};
    if (triggers_ < 3)
        write(markers[triggers_++]);
    notePending_ = glyphPending_ = false;
}

void TraceGenerator::thread()
{
    const int num = 1 + pick(threadCount);
    const int state = chance(shape_.idleThreadPercent) ? 2 + pick(2) : 1 + pick(3);
    write("TI " + std::to_string(num) + ' ' + std::to_string(state) + ' ' + std::to_string(pick(10))
          + (chance(30) ? ' ' + name() : ""));
    threadInfos_.push_back({num + 1000 * threadGeneration_, state});
    if (state == 1) {
        runningInfo_ = int(threadInfos_.size()) - 1;
        currentThread_ = threadInfos_.back().first;
        return;
    }
    // The thread that ran before the running one runs again.
    int previous = runningInfo_ < 0 ? -1 : runningInfo_ - 1;
    while (previous >= 0 && threadInfos_[size_t(previous)].second != 1)
        --previous;
    runningInfo_ = previous;
    currentThread_ = previous < 0 ? 0 : threadInfos_[size_t(previous)].first;
}

void TraceGenerator::time()
{
    switch (pick(4)) {
    case 0:
        // Far enough ahead that times never go back; beyond 32 bits, as the
        // high and the low halves.
        time_ += 1000000 + unsigned(pick(1000));
        if (time_ > 0xffffffffUL)
            write("TM " + std::to_string(time_ >> 32) + ' ' + std::to_string(time_ & 0xffffffffUL));
        else
            write("TM " + std::to_string(time_));
        return;
    case 1:
        write("TS " + std::to_string(1 + pick(20)));
        return;
    case 2:
        write("HS " + std::to_string(pick(100000)));
        return;
    default:
        write(chance(50) ? "TU \"us\"" : "TU \"ns\"");
        return;
    }
}

void TraceGenerator::newTrace()
{
    write("NT");
    alive_.clear();
    callStack_.clear();
    openCalls_.clear();
    threadInfos_.clear();
    runningInfo_ = -1;
    ++threadGeneration_;
    loopDepth_ = 0;
    triggers_ = 0;
    notePending_ = glyphPending_ = false;
    startTrace();
}
