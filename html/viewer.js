// The trace viewer: decodes the sequence model embedded in the page and
// draws on a canvas the part of the diagram that is on screen, as
// `tracetool render` draws the whole of it.
//
// The model comes in chunks of rows (see html/tracedata_p.h): the first
// has the participants, styles and the first rows, so that the page draws
// early; the others are decoded after it.  Every drawing step looks up what
// is on screen: rows by binary search of their tops, bars and frames by an
// index of their begin rows; nothing walks the whole trace while scrolling.
// A page of `tracetool diff --html` also holds the run's differences from
// a golden run, drawn over the rows, with its hunks listed to jump through.
// Trace text is only ever drawn on the canvas or set as textContent.
'use strict';

(function () {
    // Distances in unscaled pixels, as the renderer's.
    const G = {
        margin: 16, rowPad: 5, headerGap: 14, tailHeight: 18, columnGap: 28, labelPad: 10, labelLift: 2,
        maxLabelWidth: 480, titlePadX: 8, titlePadY: 5, barHalfWidth: 5, barLevelOffset: 5, barAllowance: 30,
        selfLoopWidth: 28, selfLoopHeight: 14, crossHalf: 6, arrowLength: 9, arrowHalfWidth: 4, syncThickness: 6,
        syncOverhang: 10, actionPadX: 6, actionPadY: 3, noteWidth: 240, notePad: 5, noteFold: 7, noteOffset: 8,
        annotationGap: 4, markSize: 10, framePad: 10, frameInset: 6, tabPadX: 6, tabPadY: 2, timeGap: 8,
        edgeWidth: 4, edgeGap: 10, foldBand: 26, maxNoteLines: 12, placeBand: 20, maxDeletedLines: 200,
    };
    const Kind = {
        Birth: 0, Message: 1, Return: 2, Deletion: 3, Action: 4, Synchronisation: 5, Note: 6, Glyph: 7,
        LoopStart: 8, LoopEnd: 9, Divider: 10,
    };
    const kindNames = ['birth', 'message', 'return', 'deletion', 'action', 'synchronisation', 'note', 'glyph',
        'loop start', 'loop end', 'divider'];
    const Participant = { World: 0, Instance: 1, Component: 2, Edge: 3 };
    const Flag = { creates: 1, warning: 2, timed: 4, call: 8 };
    const BarFlag = { beginAtLine: 1, endAtLine: 2, openTop: 4 };
    const threadPalette = ['#1f77b4', '#ff7f0e', '#2ca02c', '#d62728', '#9467bd', '#8c564b', '#e377c2', '#7f7f7f',
        '#bcbd22', '#17becf', '#393b79'];
    const dashes = [[], [1, 2], [4, 2], [4, 2, 1, 2], [4, 2, 1, 2, 1, 2]];
    const thinLine = 1, arrowLine = 1.2, crossLine = 2;
    const maxSpacer = 8e6;  // browsers cap element sizes: the scroll bars map onto the diagram

    // ---- Decoding ---------------------------------------------------------

    const storage = { u8: Uint8Array, i8: Int8Array, u16: Uint16Array, i16: Int16Array, u32: Uint32Array, i32: Int32Array };

    function base64Bytes(text) {
        if (Uint8Array.fromBase64)
            return Uint8Array.fromBase64(text);
        const binary = atob(text);
        const bytes = new Uint8Array(binary.length);
        for (let i = 0; i < binary.length; ++i)
            bytes[i] = binary.charCodeAt(i);
        return bytes;
    }

    async function inflate(bytes) {
        const stream = new Blob([bytes]).stream().pipeThrough(new DecompressionStream('deflate'));
        return new Uint8Array(await new Response(stream).arrayBuffer());
    }

    // A column as a typed array; a delta column summed up again (modulo 2^32).
    function decodeColumn(bytes, base, column) {
        const values = new storage[column.type](bytes.buffer, base + column.offset, column.length);
        if (!column.delta)
            return values;
        const sums = new Int32Array(column.length);
        let sum = 0;
        for (let i = 0; i < values.length; ++i) {
            sum = (sum + values[i]) | 0;
            sums[i] = sum;
        }
        return sums;
    }

    function decodeTexts(bytes, base, column, lengths) {
        const units = new Uint8Array(bytes.buffer, base + column.offset, column.length * 2);
        const all = new TextDecoder('utf-16le').decode(units);
        const texts = new Array(lengths.length);
        for (let i = 0, at = 0; i < lengths.length; at += lengths[i], ++i)
            texts[i] = all.substring(at, at + lengths[i]);
        return texts;
    }

    // A chunk of a data element: compressed, or not (the first, which the
    // page decodes at once).
    async function decodeChunk(element) {
        const bytes = base64Bytes(element.textContent);
        return readChunk(element.dataset.encoding === 'deflate' ? await inflate(bytes) : bytes);
    }

    function readChunk(bytes) {
        const length = new DataView(bytes.buffer).getUint32(0, true);
        const manifest = JSON.parse(new TextDecoder().decode(bytes.subarray(4, 4 + length)));
        const base = (4 + length + 7) & ~7;
        const columns = {};
        for (const column of manifest.columns) {
            if (column.name !== 'texts')
                columns[column.name] = decodeColumn(bytes, base, column);
        }
        const texts = manifest.columns.find((column) => column.name === 'texts');
        columns.texts = decodeTexts(bytes, base, texts, columns.textsLengths);
        return { manifest, columns };
    }

    // ---- Text and styles --------------------------------------------------

    const bidiControls = /[\u061c\u200e\u200f\u202a-\u202e\u2066-\u2069]/g;

    // A text as the page shows it: control characters as blanks (line feeds
    // kept when `multiLine`), and the characters that would reorder text
    // shown by their code, never obeyed.
    function displayText(text, multiLine) {
        const blanks = multiLine ? /[\u0000-\u0009\u000b-\u001f\u007f-\u009f]/g : /[\u0000-\u001f\u007f-\u009f]/g;
        return text.replace(blanks, ' ').replace(bidiControls,
            (c) => '[U+' + c.charCodeAt(0).toString(16).toUpperCase().padStart(4, '0') + ']');
    }

    function builtInStyle(name, line, lineKind, size) {
        return { name, text: line, back: '#ffffff', line, lineKind, arrow: 0, font: '', size, bold: false,
            italic: false, underline: false };
    }

    const builtIn = {
        plain: builtInStyle('plain', '#000000', 0, 10),
        separator: builtInStyle('separator', '#5a5a5a', 2, 9),
        glyph: builtInStyle('glyph', '#005ab4', 0, 9),
        warningGlyph: builtInStyle('warning glyph', '#c80000', 0, 9),
        legend: builtInStyle('legend', '#3c3c3c', 0, 9),
    };

    function cssFont(style) {
        const pixels = Math.min(96, Math.max(6, Math.round(style.size * 96 / 72)));
        const family = style.font ? JSON.stringify(style.font) + ', sans-serif' : 'sans-serif';
        return (style.italic ? 'italic ' : '') + (style.bold ? 'bold ' : '') + pixels + 'px ' + family;
    }

    // Text sizes per style, measured once.
    class Measure {
        constructor(context) {
            this.context = context;
            this.heights = new Map();
            this.widths = new Map();
        }

        lineHeight(style) {
            let height = this.heights.get(style);
            if (height === undefined) {
                this.context.font = cssFont(style);
                const metrics = this.context.measureText('Mg');
                height = Math.ceil(metrics.fontBoundingBoxAscent + metrics.fontBoundingBoxDescent);
                this.heights.set(style, height);
            }
            return height;
        }

        width(style, text) {
            let byText = this.widths.get(style);
            if (!byText)
                this.widths.set(style, byText = new Map());
            let width = byText.get(text);
            if (width === undefined) {
                this.context.font = cssFont(style);
                width = this.context.measureText(text).width;
                byText.set(text, width);
            }
            return width;
        }

        // The text cut with an ellipsis to fit `maxWidth`.
        elided(style, text, maxWidth) {
            if (this.width(style, text) <= maxWidth)
                return text;
            let low = 0, high = text.length;
            while (low < high) {
                const middle = (low + high + 1) >> 1;
                if (this.width(style, text.slice(0, middle) + '\u2026') <= maxWidth)
                    low = middle;
                else
                    high = middle - 1;
            }
            return text.slice(0, low) + '\u2026';
        }
    }

    // ---- Times ------------------------------------------------------------

    const picosecondsPerUnit = [0n, 3600000000000000n, 60000000000000n, 1000000000000n, 1000000000n, 1000000n,
        1000n, 1n];
    const fieldUnits = { H: 1, M: 2, s: 3, m: 4, u: 5, n: 6 };

    // A time as text in the trace's format (tdf/tdftime.h): fields of hours
    // down to nanoseconds, a zero field hidden with the text after it.
    function formatTime(time, format, unit, plainPattern) {
        if (!format || unit <= 0 || unit > 7)
            return plainPattern.replace('%1', time.toString());
        let remaining = time * picosecondsPerUnit[unit];
        let output = '', suffix = '', inDirective = false, hideZero = true, hiding = false;
        for (let i = 0; i < format.length; ++i) {
            const c = format[i];
            if (!inDirective) {
                if (c === '%') {
                    suffix = '';
                    hiding = false;
                    inDirective = true;
                } else if (hiding) {
                    suffix += c;
                } else {
                    output += c;
                }
                continue;
            }
            const field = fieldUnits[c];
            if (field) {
                inDirective = false;
                const size = picosecondsPerUnit[field];
                const value = remaining / size;
                if (hideZero && value === 0n) {
                    hiding = true;
                    continue;
                }
                remaining %= size;
                output += value.toString();
                hiding = false;
                hideZero = true;
                continue;
            }
            inDirective = c === '0';
            hiding = false;
            if (c === '0') {
                hideZero = false;
            } else if (c === 'p' || c === 'v') {
                output += c === 'p' ? remaining.toString() : time.toString();
                remaining = 0n;
            } else {
                output += c;
            }
        }
        if (inDirective)
            output += '%';
        return output ? output.trim() : '0' + suffix;
    }

    // ---- The model --------------------------------------------------------

    // The first of 0..count - 1 for which `before` is false (count when
    // none), `before` being true for a first part of them and false after.
    function partition(count, before) {
        let low = 0, high = count;
        while (low < high) {
            const middle = (low + high) >> 1;
            if (before(middle))
                low = middle + 1;
            else
                high = middle;
        }
        return low;
    }

    // A growable typed array.
    class Column {
        constructor(Type) {
            this.values = new Type(64);
            this.length = 0;
        }

        append(values) {
            if (this.length + values.length > this.values.length) {
                const grown = new this.values.constructor(Math.max(2 * this.values.length, this.length + values.length));
                grown.set(this.values.subarray(0, this.length));
                this.values = grown;
            }
            this.values.set(values, this.length);
            this.length += values.length;
        }
    }

    // Bars or frames of one participant and level (or one level), by their
    // begin rows, with the furthest end so far: the ones that reach into a
    // range of rows are found by a binary search and a short walk back.
    class Intervals {
        constructor() {
            this.items = [];
            this.begins = [];
            this.reach = [];
        }

        add(item, begin, end) {
            const reach = this.reach.length ? this.reach[this.reach.length - 1] : -Infinity;
            this.items.push(item);
            this.begins.push(begin);
            this.reach.push(Math.max(reach, end));
        }

        // The items whose rows reach into first..last, in order.
        within(first, last, out) {
            const low = partition(this.begins.length, (i) => this.begins[i] <= last);
            const found = [];
            for (let i = low - 1; i >= 0 && this.reach[i] >= first; --i)
                found.push(i);
            for (let i = found.length - 1; i >= 0; --i)
                out.push(this.items[found[i]]);
            return out;
        }
    }

    // The columns with a value per row (and one more for the offsets of the
    // rows' lists).
    const rowColumns = [['kind', Uint8Array, 0], ['flags', Uint8Array, 0], ['time', Float64Array, 0],
        ['overStart', Int32Array, 1], ['annotationStart', Int32Array, 1], ['above', Float32Array, 0],
        ['below', Float32Array, 0], ['extra', Float32Array, 0]].concat(
        ['from', 'to', 'destroyed', 'frame', 'thread', 'file', 'position', 'line', 'timeHigh', 'timeLow', 'label',
            'link', 'styleIndex'].map((name) => [name, Int32Array, 0]));

    // One sequence model: its tables, filled chunk by chunk.
    class Model {
        constructor(head) {
            const meta = head.manifest;
            this.meta = meta;
            this.head = head;
            this.count = meta.events;
            this.loaded = 0;
            this.texts = [];
            this.styles = meta.styles;
            for (const [name, Type] of rowColumns)
                this[name] = new Type(0);
            this.reserve(head.columns.kind.length);
            this.over = new Column(Int32Array);
            this.annotationFlags = new Column(Uint8Array);
            this.annotationText = new Column(Int32Array);
            this.annotationStyle = new Column(Int32Array);
            this.bars = { participant: [], level: [], depth: [], begin: [], end: [], flags: [] };
            this.frames = { label: [], style: [], endStyle: [], level: [], depth: [], begin: [], end: [],
                participant: [], empty: [], left: [], right: [], inner: [] };
            this.barIndex = new Map();
            this.frameIndex = [];
            this.openTopFrames = false;
            this.addTexts(head.columns.texts);
            const c = head.columns;
            this.participants = Array.from(c.partKind, (kind, i) => ({
                kind, name: this.texts[c.partName[i]], type: this.texts[c.partType[i]], style: c.partStyle[i],
                visible: c.partVisible[i] === 1, birth: c.partBirth[i], end: c.partEnd[i], members: c.partMembers[i],
            }));
            this.threads = Array.from(c.threadColor, (color, i) => ({
                name: this.texts[c.threadName[i]], number: this.texts[c.threadNumber[i]], color,
            }));
            this.files = Array.from(c.fileName, (index) => this.texts[index]);
            this.spacings = Array.from(c.spacingKind, (kind, i) => ({
                kind, left: c.spacingLeft[i], right: c.spacingRight[i], label: c.spacingLabel[i],
                style: c.spacingStyle[i],
            }));
        }

        // Room for the columns of `rows` rows: the first chunk's at first,
        // so that the page draws before it makes room for every row.
        reserve(rows) {
            for (const [name, Type, extra] of rowColumns) {
                const grown = new Type(rows + extra);
                grown.set(this[name].subarray(0, Math.min(this[name].length, grown.length)));
                this[name] = grown;
            }
        }

        addTexts(texts) {
            for (const text of texts)
                this.texts.push(text);
        }

        // The rows, bars, frames and texts of one decoded chunk.
        addChunk(chunk) {
            const c = chunk.columns;
            const first = chunk.manifest.firstRow;
            if (chunk !== this.head)
                this.addTexts(c.texts);
            const n = c.kind.length;
            for (const name of ['kind', 'flags', 'from', 'to', 'destroyed', 'frame', 'thread', 'file', 'position',
                'line', 'timeHigh', 'timeLow', 'label', 'link'])
                this[name].set(c[name], first);
            this.styleIndex.set(c.style, first);
            for (let i = 0; i < n; ++i) {
                const row = first + i;
                this.time[row] = (this.timeHigh[row] >>> 0) * 4294967296 + (this.timeLow[row] >>> 0);
                this.overStart[row + 1] = this.overStart[row] + c.overCount[i];
                this.annotationStart[row + 1] = this.annotationStart[row] + c.annotationCount[i];
            }
            this.over.append(c.over);
            this.annotationFlags.append(c.annotationFlags);
            this.annotationText.append(c.annotationText);
            this.annotationStyle.append(c.annotationStyle);
            this.addBars(c);
            this.addFrames(c);
            this.loaded = first + n;
        }

        addBars(c) {
            const bars = this.bars;
            for (let i = 0; i < c.barParticipant.length; ++i) {
                const index = bars.participant.length;
                bars.participant.push(c.barParticipant[i]);
                bars.level.push(c.barLevel[i]);
                bars.depth.push(c.barDepth[i]);
                bars.begin.push(c.barBegin[i]);
                bars.end.push(c.barEnd[i]);
                bars.flags.push(c.barFlags[i]);
                const key = c.barParticipant[i] * 64 + c.barLevel[i];
                let intervals = this.barIndex.get(key);
                if (!intervals)
                    this.barIndex.set(key, intervals = new Intervals());
                intervals.add(index, c.barBegin[i], c.barEnd[i]);
            }
        }

        addFrames(c) {
            const frames = this.frames;
            for (let i = 0; i < c.frameLabel.length; ++i) {
                const index = frames.label.length;
                for (const name of Object.keys(frames))
                    frames[name].push(c['frame' + name[0].toUpperCase() + name.slice(1)][i]);
                const level = c.frameLevel[i];
                while (this.frameIndex.length <= level)
                    this.frameIndex.push(new Intervals());
                const begin = c.frameBegin[i], end = c.frameEnd[i];
                this.frameIndex[level].add(index, begin, end < 0 ? Infinity : end);
                this.openTopFrames = this.openTopFrames || begin < 0;
            }
        }

        text(index) {
            return this.texts[index] || '';
        }

        style(index) {
            return index >= 0 ? this.styles[index] : null;
        }

        slotStyle(name) {
            return this.style(this.meta.slots[name]) || builtIn.plain;
        }

        bigTime(row) {
            return (BigInt(this.timeHigh[row] >>> 0) << 32n) | BigInt(this.timeLow[row] >>> 0);
        }

        timeText(row) {
            return formatTime(this.bigTime(row), this.meta.timeFormat, this.meta.timeUnit, this.meta.plainTime);
        }

        // A time, or a length of time, of the trace's unit as text.
        timeValueText(value) {
            return formatTime(BigInt(Math.round(value)), this.meta.timeFormat, this.meta.timeUnit,
                this.meta.plainTime);
        }

        participantsOf(row) {
            const list = [];
            for (const p of [this.from[row], this.to[row], this.destroyed[row]])
                if (p >= 0)
                    list.push(p);
            for (let i = this.overStart[row]; i < this.overStart[row + 1]; ++i)
                list.push(this.over.values[i]);
            return list;
        }

        // The row of the event at `position` among the trace's objects, or
        // the first after it; -1 past the loaded rows.
        rowAtPosition(position) {
            const row = partition(this.loaded, (i) => this.position[i] < position);
            return row < this.loaded ? row : -1;
        }

        // A participant's title: a component's with the count of its members.
        title(p) {
            const participant = this.participants[p];
            if (participant.kind !== Participant.Component)
                return displayText(participant.name);
            const count = participant.members;
            return displayText(participant.name) + ' (' + count + (count === 1 ? ' instance)' : ' instances)');
        }
    }

    // ---- Differences from a golden run ------------------------------------

    const Change = { inserted: 1, retimed: 2 };
    const changeColors = {
        inserted: '#d7f5dd', insertedMark: '#1a7f37', deleted: '#fde4e2', deletedSelected: '#f9bcb7',
        deletedMark: '#c62828', retimedMark: '#b35900',
    };
    const deletedStyle = builtInStyle('deleted', '#a31515', 0, 9);
    // The marks in the margin, as a unified diff marks its lines.
    const changeMarks = [['+', changeColors.insertedMark], ['~', changeColors.retimedMark],
        ['\u2212', changeColors.deletedMark]].map(([text, color]) => ({
        text, style: Object.assign(builtInStyle('change', color, 0, 11), { bold: true }),
    }));

    // How the run the page shows differs from a golden run: its rows only
    // in the run and those whose timing moved, flagged; the places between
    // rows where events of the golden run are missing, by the row they
    // stand above; the hunks.
    class Differences {
        constructor(chunk, count) {
            const c = chunk.columns;
            this.golden = chunk.manifest.golden;
            this.summary = chunk.manifest.summary;
            this.texts = c.texts;
            this.flags = new Uint8Array(count);
            for (let k = 0; k < c.insertedFirst.length; ++k)
                this.flags.fill(Change.inserted, c.insertedFirst[k], c.insertedFirst[k] + c.insertedCount[k]);
            this.retimedRow = c.retimedRow;
            this.retimedText = c.retimedText;
            for (const row of c.retimedRow)
                this.flags[row] |= Change.retimed;
            this.before = c.deletedBefore;
            this.deletedStart = new Int32Array(c.deletedCount.length + 1);
            c.deletedCount.forEach((n, k) => { this.deletedStart[k + 1] = this.deletedStart[k] + n; });
            this.deletedText = c.deletedText;
            this.deletedPlace = c.deletedPlace;
            this.hunks = Array.from(c.hunkFirst, (first, k) => ({
                first, last: c.hunkLast[k], title: this.texts[c.hunkTitle[k]],
            }));
        }

        get places() {
            return this.before.length;
        }

        // The golden run's events missing at a place: their texts and
        // where they were recorded.
        deleted(place) {
            const events = [];
            for (let k = this.deletedStart[place]; k < this.deletedStart[place + 1]; ++k)
                events.push({ text: this.texts[this.deletedText[k]], place: this.texts[this.deletedPlace[k]] });
            return events;
        }

        firstDeleted(place) {
            return this.texts[this.deletedText[this.deletedStart[place]]];
        }

        deletedCount(place) {
            return this.deletedStart[place + 1] - this.deletedStart[place];
        }

        // The first place above `row` or below it.
        placeAtOrAfter(row) {
            return partition(this.places, (k) => this.before[k] < row);
        }

        retiming(row) {
            const k = partition(this.retimedRow.length, (i) => this.retimedRow[i] < row);
            return this.retimedRow[k] === row ? this.texts[this.retimedText[k]] : '';
        }

        // The first row of a hunk only in this run; past its last when none.
        firstInserted(hunk) {
            let row = hunk.first;
            while (row <= hunk.last && !(this.flags[row] & Change.inserted))
                ++row;
            return row;
        }

        // The first change of a hunk: a place (deleted events come first
        // where both are) or an inserted row.
        firstChange(hunk) {
            const place = this.placeAtOrAfter(hunk.first);
            const row = this.firstInserted(hunk);
            if (place < this.places && this.before[place] <= Math.min(row, hunk.last + 1))
                return { place };
            return { row: Math.min(row, hunk.last) };
        }

        // The numbers of deleted and inserted events of a hunk.
        counts(hunk) {
            let inserted = 0, deleted = 0;
            for (let row = hunk.first; row <= hunk.last; ++row)
                inserted += this.flags[row] & Change.inserted;
            for (let k = this.placeAtOrAfter(hunk.first); k < this.places && this.before[k] <= hunk.last + 1; ++k)
                deleted += this.deletedCount(k);
            return { inserted, deleted };
        }
    }

    // ---- Heights of rows --------------------------------------------------

    // How far each row's content reaches above and below its line, and the
    // notes and glyphs below it: the renderer's extents, with notes broken
    // at their line feeds only.
    class RowHeights {
        constructor(model, measure) {
            this.model = model;
            this.measure = measure;
            this.noteHeights = new Map();
            const timeHeight = measure.lineHeight(model.slotStyle('time'));
            this.timeHalf = timeHeight / 2 - G.rowPad;
        }

        titleHeight(p) {
            const participant = this.model.participants[p];
            return this.measure.lineHeight(this.model.style(participant.style) || builtIn.plain) + 2 * G.titlePadY;
        }

        noteHeight(textIndex, style) {
            const key = textIndex + ':' + style.name + style.size;
            let height = this.noteHeights.get(key);
            if (height === undefined) {
                const lines = Math.min(G.maxNoteLines, this.model.text(textIndex).split('\n').length);
                height = lines * this.measure.lineHeight(style) + 2 * G.notePad;
                this.noteHeights.set(key, height);
            }
            return height;
        }

        rowStyle(row) {
            return this.model.style(this.model.styleIndex[row]) || builtIn.plain;
        }

        // The line height of a style of the model, measured once.
        styleLine(index, fallback) {
            if (index < 0)
                return this.measure.lineHeight(fallback);
            if (!this.lines)
                this.lines = new Float64Array(this.model.styles.length);
            return this.lines[index] || (this.lines[index] = this.measure.lineHeight(this.model.styles[index]));
        }

        // How far a row's content reaches above and below its line, at
        // least as far as its time.
        measureRow(row) {
            const m = this.model, kind = m.kind[row];
            const line = this.styleLine(m.styleIndex[row], kind === Kind.Divider ? builtIn.separator : builtIn.plain);
            let up = 0, down = 0;
            switch (kind) {
            case Kind.Message:
            case Kind.Return:
                up = Math.max(m.label[row] ? line + G.labelLift : 0, G.arrowHalfWidth);
                down = G.arrowHalfWidth;
                if (m.from[row] === m.to[row]) {
                    down += G.selfLoopHeight;
                } else if (m.flags[row] & Flag.creates) {
                    down = this.titleHeight(m.to[row]) / 2;
                    up = Math.max(up, down);
                }
                break;
            case Kind.Birth:
                up = down = this.titleHeight(m.from[row]) / 2;
                break;
            case Kind.Deletion:
                up = down = G.crossHalf;
                break;
            case Kind.Action:
                up = down = line / 2 + G.actionPadY;
                break;
            case Kind.Synchronisation:
                up = line + G.labelLift + G.syncThickness / 2;
                down = G.syncThickness / 2;
                break;
            case Kind.Note:
                up = down = this.noteHeight(m.label[row], this.rowStyle(row)) / 2;
                break;
            case Kind.Glyph:
                up = down = Math.max(G.markSize, this.measure.lineHeight(glyphStyle(m.flags[row] & Flag.warning))) / 2;
                break;
            case Kind.LoopStart:
                down = line + 2 * G.tabPadY;
                break;
            case Kind.LoopEnd:
                break;
            default:
                up = line + G.labelLift;
                down = G.labelLift;
            }
            m.above[row] = Math.max(up, this.timeHalf);
            m.below[row] = Math.max(down, this.timeHalf);
        }

        annotationHeight(row) {
            const m = this.model;
            let height = 0;
            for (let i = m.annotationStart[row]; i < m.annotationStart[row + 1]; ++i) {
                const flags = m.annotationFlags.values[i];
                if (flags & 1)
                    height += Math.max(G.markSize, this.measure.lineHeight(glyphStyle(flags & 2)));
                else
                    height += this.noteHeight(m.annotationText.values[i],
                        m.style(m.annotationStyle.values[i]) || builtIn.plain);
                height += G.annotationGap;
            }
            return height;
        }

        measureRows(first, last) {
            const m = this.model;
            for (let row = first; row < last; ++row) {
                this.measureRow(row);
                m.extra[row] = m.annotationStart[row + 1] > m.annotationStart[row] ? this.annotationHeight(row) : 0;
            }
        }
    }

    function glyphStyle(warning) {
        return warning ? builtIn.warningGlyph : builtIn.glyph;
    }


    // ---- Columns ----------------------------------------------------------

    const Spacing = { BetweenColumns: 0, SelfMessage: 1, Creation: 2, Action: 3 };

    // The shown participants left to right, each as far left as the titles,
    // actions and labels between it and the columns before it allow.
    class ColumnLayout {
        constructor(model, measure, shown) {
            this.model = model;
            this.measure = measure;
            this.participants = [];
            this.indexOf = new Int32Array(model.participants.length).fill(-1);
            shown.forEach((on, p) => {
                if (on) {
                    this.indexOf[p] = this.participants.length;
                    this.participants.push(p);
                }
            });
            const n = this.participants.length;
            this.titles = this.participants.map((p) => model.title(p));
            this.titleWidths = new Float64Array(n);
            this.half = new Float64Array(n);
            this.x = new Float64Array(n);
            this.measureTitles();
            this.place();
        }

        titleStyle(p) {
            return this.model.style(this.model.participants[p].style) || builtIn.plain;
        }

        labelWidth(spacing) {
            const style = this.model.style(spacing.style) || builtIn.plain;
            const text = displayText(this.model.text(spacing.label));
            return Math.min(this.measure.width(style, text), G.maxLabelWidth);
        }

        measureTitles() {
            this.participants.forEach((p, c) => {
                const width = Math.min(this.measure.width(this.titleStyle(p), this.titles[c]), G.maxLabelWidth);
                this.titleWidths[c] = width + 2 * G.titlePadX;
                this.half[c] = this.model.participants[p].visible ? this.titleWidths[c] / 2 : 0;
            });
            for (const spacing of this.model.spacings) {
                const c = this.indexOf[spacing.left];
                if (spacing.kind === Spacing.Action && c >= 0)
                    this.half[c] = Math.max(this.half[c], this.labelWidth(spacing) / 2 + G.actionPadX);
            }
        }

        distances() {
            const last = this.participants.length - 1;
            const list = [];
            for (let c = 1; c <= last; ++c)
                list.push([c - 1, c, this.half[c - 1] + this.half[c] + G.columnGap]);
            for (const spacing of this.model.spacings) {
                const a = this.indexOf[spacing.left], b = this.indexOf[spacing.right];
                if (a < 0 || b < 0 || spacing.kind === Spacing.Action)
                    continue;
                const label = this.labelWidth(spacing);
                if (spacing.kind === Spacing.SelfMessage && a < last)
                    list.push([a, a + 1, Math.max(G.selfLoopWidth, label + G.labelPad) + this.half[a + 1] + G.barAllowance]);
                else if (spacing.kind !== Spacing.SelfMessage && a !== b)
                    list.push([Math.min(a, b), Math.max(a, b), label + 2 * G.labelPad + G.barAllowance
                        + (spacing.kind === Spacing.Creation ? this.half[b] : 0)]);
            }
            return list.sort((p, q) => p[1] - q[1]);
        }

        place() {
            const left = G.framePad + 2 * G.frameInset;
            const distances = this.distances();
            let next = 0;
            for (let c = 0; c < this.participants.length; ++c) {
                this.x[c] = left + this.half[c];
                for (; next < distances.length && distances[next][1] === c; ++next)
                    this.x[c] = Math.max(this.x[c], this.x[distances[next][0]] + distances[next][2]);
            }
            const n = this.participants.length;
            this.width = n ? this.x[n - 1] + this.half[n - 1] + G.noteWidth + G.margin : left;
        }

        xOf(p) {
            const c = this.indexOf[p];
            return c >= 0 ? this.x[c] : NaN;
        }

        // The first column at or right of x, by binary search.
        columnAtOrAfter(x) {
            return partition(this.x.length, (c) => this.x[c] < x);
        }

        // The x of the shown columns of participants first..last: the
        // leftmost and the rightmost; null when none is shown.
        span(first, last) {
            const low = partition(this.participants.length, (c) => this.participants[c] < first);
            let right = low;
            while (right < this.participants.length && this.participants[right] <= last)
                ++right;
            return right > low ? [this.x[low], this.x[right - 1]] : null;
        }
    }

    // ---- Rows on an axis --------------------------------------------------

    // The shown rows, top to bottom: one after the other on the event axis;
    // on the time axis as far apart as their times, long idle stretches
    // folded into a band that tells their length.  With differences from a
    // golden run, a band above a row for each place where events of the
    // golden run are missing.
    class RowView {
        constructor(model, rows, count, axis, tabBand, differences) {
            this.model = model;
            this.rows = rows;
            this.count = count;
            this.lines = new Float64Array(count);
            this.tops = new Float64Array(count);
            this.bottoms = new Float64Array(count);
            this.folds = [];
            this.places = [];
            this.differences = differences;
            this.proportional = axis === 'time' ? new Uint8Array(count) : null;
            this.scale = axis === 'time' ? this.timeScale() : 0;
            this.foldAt = 400;
            this.stack(tabBand);
        }

        row(i) {
            return this.rows ? this.rows[i] : i;
        }

        // The view index of `row` or of the first shown row after it.
        indexAtOrAfter(row) {
            if (!this.rows)
                return Math.max(0, Math.min(row, this.count));
            return partition(this.count, (i) => this.rows[i] < row);
        }

        // The first row whose bottom is below y.
        firstBelow(y) {
            return partition(this.count, (i) => this.bottoms[i] <= y);
        }

        // The last row whose top is above y.
        lastAbove(y) {
            return partition(this.count, (i) => this.tops[i] < y) - 1;
        }

        // Pixels per time unit: the median time between rows, sampled, as
        // far apart as a short row.
        timeScale() {
            const m = this.model;
            const step = Math.max(1, Math.floor(this.count / 4096));
            const gaps = [];
            for (let i = step; i < this.count; i += step) {
                const gap = m.time[this.row(i)] - m.time[this.row(i - 1)];
                if (gap > 0)
                    gaps.push(gap);
            }
            gaps.sort((a, b) => a - b);
            return gaps.length ? 24 / gaps[gaps.length >> 1] : 0;
        }

        stack(tabBand) {
            const m = this.model;
            let previous = -1, cursor = tabBand;
            for (let i = 0; i < this.count; ++i) {
                const row = this.row(i);
                const bands = this.addPlaces(row);
                let line = cursor + bands * G.placeBand + G.rowPad + m.above[row];
                if (this.scale && previous >= 0) {
                    const timed = (m.flags[row] & Flag.timed) && (m.flags[previous] & Flag.timed);
                    const gap = timed ? Math.max(0, m.time[row] - m.time[previous]) * this.scale : 0;
                    if (gap > this.foldAt) {
                        this.folds.push({ index: i, top: cursor, duration: m.time[row] - m.time[previous] });
                        line += G.foldBand;
                    } else if (this.lines[i - 1] + gap > line) {
                        line = this.lines[i - 1] + gap;
                        this.proportional[i] = 1;
                    }
                }
                this.lines[i] = line;
                this.tops[i] = line - m.above[row] - G.rowPad;
                this.bottoms[i] = line + m.below[row] + m.extra[row] + G.rowPad;
                for (let k = this.places.length - bands; k < this.places.length; ++k)
                    this.places[k].top = this.tops[i] - (this.places.length - k) * G.placeBand;
                cursor = this.bottoms[i];
                previous = row;
            }
            if (m.loaded === m.count) {
                for (let k = this.addPlaces(Infinity); k > 0; --k, cursor += G.placeBand)
                    this.places[this.places.length - k].top = cursor;
            }
            this.rowsBottom = cursor + G.tailHeight;
        }

        // The places of missing events above a shown row, those above rows
        // not shown before it included; returns how many.  places[k] is
        // place k.
        addPlaces(row) {
            const d = this.differences, first = this.places.length;
            let place = first;
            for (; d && place < d.places && d.before[place] <= row; ++place)
                this.places.push({ place, top: 0 });
            return place - first;
        }

        // The bands of `list` (by their tops, each `height` high) that reach
        // into top..bottom.
        static bandsWithin(list, height, top, bottom) {
            const first = partition(list.length, (i) => list[i].top + height <= top);
            const found = [];
            for (let i = first; i < list.length && list[i].top < bottom; ++i)
                found.push(list[i]);
            return found;
        }

        foldsWithin(top, bottom) {
            return RowView.bandsWithin(this.folds, G.foldBand, top, bottom);
        }

        placesWithin(top, bottom) {
            return RowView.bandsWithin(this.places, G.placeBand, top, bottom);
        }

        // The place whose band is at y, or null.
        placeAt(y) {
            return this.placesWithin(y, y + 0.001)[0] || null;
        }
    }

    // ---- Painting ---------------------------------------------------------

    // Draws one frame of the diagram: the rows first..last of the view, the
    // lifelines, bars and frames that reach into them, the time column and
    // the sticky header, in the renderer's order (frames and lifelines
    // first, texts last).
    class Painter {
        constructor(viewer) {
            this.viewer = viewer;
            this.context = viewer.context;
            this.measure = viewer.measure;
            this.model = viewer.model;
            this.columns = viewer.columns;
            this.view = viewer.view;
        }

        // ---- drawing tools

        stroke(style, width) {
            const c = this.context;
            c.strokeStyle = style.line;
            c.lineWidth = width;
            c.setLineDash((dashes[style.lineKind] || []).map((d) => d * width));
        }

        fillWith(style) {
            const c = this.context;
            c.fillStyle = style.back;
            c.strokeStyle = style.line;
            c.lineWidth = thinLine;
            c.setLineDash([]);
        }

        line(x1, y1, x2, y2) {
            const c = this.context;
            c.beginPath();
            c.moveTo(x1, y1);
            c.lineTo(x2, y2);
            c.stroke();
        }

        polygon(points, fill, stroke) {
            const c = this.context;
            c.beginPath();
            c.moveTo(points[0], points[1]);
            for (let i = 2; i < points.length; i += 2)
                c.lineTo(points[i], points[i + 1]);
            c.closePath();
            if (fill)
                c.fill();
            if (stroke)
                c.stroke();
        }

        // One line of text, its middle at y; `align` left, center or right of x.
        text(style, text, x, y, align) {
            if (!text)
                return;
            const c = this.context;
            c.font = cssFont(style);
            c.fillStyle = style.text;
            c.textAlign = align;
            c.textBaseline = 'middle';
            c.fillText(text, x, y);
            if (style.underline) {
                const width = this.measure.width(style, text);
                const left = align === 'left' ? x : align === 'right' ? x - width : x - width / 2;
                const under = y + this.measure.lineHeight(style) * 0.35;
                c.strokeStyle = style.text;
                c.lineWidth = 1;
                c.setLineDash([]);
                this.line(left, under, left + width, under);
            }
        }

        shown(style, text) {
            return this.measure.elided(style, displayText(text), G.maxLabelWidth);
        }

        rowStyle(row) {
            return this.model.style(this.model.styleIndex[row]) || builtIn.plain;
        }

        // ---- where things are

        // A mark between rows: the line of `row` or its top; rows not shown
        // stand at the top of the next shown row.
        markY(row, atLine) {
            const view = this.view;
            if (row >= this.model.count)
                return view.rowsBottom - G.tailHeight;
            const i = view.indexAtOrAfter(row);
            if (i >= view.count)
                return view.rowsBottom - G.tailHeight;
            return view.row(i) === row && atLine ? view.lines[i] : view.tops[i];
        }

        lifeline(p) {
            const participant = this.model.participants[p];
            const titleHalf = this.viewer.heights.titleHeight(p) / 2;
            const top = participant.birth < 0 ? -this.viewer.headerHeight : this.markY(participant.birth, true) + titleHalf;
            const bottom = participant.end < 0 ? this.view.rowsBottom : this.markY(participant.end, true);
            return [top, bottom];
        }

        barRect(bar) {
            const m = this.model, bars = m.bars;
            const p = bars.participant[bar], flags = bars.flags[bar];
            const [lifeTop, lifeBottom] = this.lifeline(p);
            const top = Math.max(flags & BarFlag.openTop ? 0 : this.markY(bars.begin[bar], flags & BarFlag.beginAtLine),
                lifeTop);
            const bottom = Math.min(this.markY(bars.end[bar], flags & BarFlag.endAtLine), lifeBottom);
            if (bottom < top || (this.view.rows && bottom === top))
                return null;  // no shown row in it
            const centre = this.columns.xOf(p) + bars.level[bar] * G.barLevelOffset;
            return [centre - G.barHalfWidth, top, 2 * G.barHalfWidth, Math.max(bottom - top, G.barHalfWidth)];
        }

        // Where an arrow meets a participant at the line of `row`: the side,
        // facing towardsX, of the innermost bar there (not one this row opens
        // when `notOpening`), else the lifeline.
        edgeX(p, row, y, towardsX, notOpening) {
            const x = this.columns.xOf(p);
            const bars = this.model.bars;
            for (let level = this.model.meta.maxNesting - 1; level >= 0; --level) {
                const intervals = this.model.barIndex.get(p * 64 + level);
                if (!intervals)
                    continue;
                const found = intervals.within(row, row, []);
                for (let k = found.length - 1; k >= 0; --k) {
                    const bar = found[k];
                    if (notOpening && bars.begin[bar] === row && (bars.flags[bar] & BarFlag.beginAtLine))
                        continue;
                    const rect = this.barRect(bar);
                    if (rect && rect[1] <= y && y <= rect[1] + rect[3])
                        return towardsX < x ? rect[0] : rect[0] + rect[2];
                }
            }
            return x;
        }

        // ---- the parts of a frame

        paint(first, last, area) {
            this.area = area;
            this.first = first;
            this.last = last;
            const visible = first <= last;
            this.firstRow = visible ? this.view.row(first) : 0;
            this.lastRow = visible ? this.view.row(last) : -1;
            this.paintBands();
            const frames = this.framesInView();
            frames.forEach((frame) => this.paintFrameEdges(frame));
            this.paintLifelines();
            this.paintBars();
            this.eachRow((row, i) => this.model.kind[row] === Kind.Divider && this.paintDivider(row, i));
            frames.forEach((frame) => this.paintFrameTab(frame));
            this.eachRow((row, i) => this.model.kind[row] <= Kind.Return && this.model.kind[row] > Kind.Birth
                && this.paintArrow(row, i));
            this.eachRow((row, i) => this.paintBoxes(row, i));
            this.eachRow((row, i) => this.paintCrossesAndMarks(row, i));
            this.paintFolds();
            this.paintPlaces();
        }

        eachRow(paint) {
            for (let i = this.first; i <= this.last; ++i)
                paint(this.view.row(i), i);
        }

        // Search matches, the selected event and the differences from a
        // golden run behind everything.
        paintBands() {
            const c = this.context, viewer = this.viewer, changes = this.view.differences;
            for (let i = this.first; i <= this.last; ++i) {
                const row = this.view.row(i);
                const selected = row === viewer.selected;
                const inserted = changes && changes.flags[row] & Change.inserted;
                if (!selected && !(viewer.matchFlags && viewer.matchFlags[i]) && !inserted)
                    continue;
                c.fillStyle = selected ? '#cfe0ff' : viewer.matchFlags && viewer.matchFlags[i] ? '#fff2a8'
                    : changeColors.inserted;
                c.fillRect(this.area.left, this.view.tops[i], this.area.right - this.area.left,
                    this.view.bottoms[i] - this.view.tops[i]);
            }
            for (const band of this.view.placesWithin(this.area.top, this.area.bottom)) {
                c.fillStyle = this.placeColour(band);
                c.fillRect(this.area.left, band.top, this.area.right - this.area.left, G.placeBand);
            }
        }

        placeColour(band) {
            return band.place === this.viewer.selectedPlace ? changeColors.deletedSelected : changeColors.deleted;
        }

        framesInView() {
            const found = [];
            for (const intervals of this.model.frameIndex)
                intervals.within(this.firstRow, this.lastRow, found);
            return found.map((frame) => this.frameGeometry(frame)).filter((frame) => frame);
        }

        frameGeometry(frame) {
            const f = this.model.frames, view = this.view;
            const begin = f.begin[frame], end = f.end[frame];
            const inside = view.indexAtOrAfter(end < 0 ? this.model.count : end + 1) - view.indexAtOrAfter(begin + 1);
            if (view.rows && inside <= (end < 0 ? 0 : 1))
                return null;  // none of its rows is shown
            const style = this.model.style(f.style[frame]) || builtIn.plain;
            const name = displayText(this.model.text(f.label[frame]));
            const label = this.measure.elided(style, f.depth[frame] > f.level[frame]
                ? 'loop ' + name + ' (nested ' + (f.depth[frame] + 1) + ' deep)' : 'loop ' + name, G.maxLabelWidth);
            let span = f.left[frame] >= 0 ? this.columns.span(f.left[frame], f.right[frame]) : null;
            if (!span) {
                const x = this.columns.xOf(Math.max(f.participant[frame], 0));
                span = [isNaN(x) ? this.columns.x[0] || 0 : x, isNaN(x) ? this.columns.x[0] || 0 : x];
            }
            const room = G.barAllowance / 2 + G.framePad + f.inner[frame] * G.frameInset;
            const left = span[0] - room;
            const tabWidth = this.measure.width(style, label) + 2 * G.tabPadX;
            const tabHeight = this.measure.lineHeight(style) + 2 * G.tabPadY;
            const top = begin < 0 ? 0 : this.markY(begin, true);
            return {
                frame, style, endStyle: this.model.style(f.endStyle[frame]) || builtIn.plain, label, left, top,
                right: Math.max(span[1] + room, left + tabWidth), bottom: end < 0 ? view.rowsBottom : this.markY(end, true),
                tabWidth, tabHeight, openTop: begin < 0, openBottom: end < 0,
            };
        }

        paintFrameEdges(g) {
            this.stroke(g.style, thinLine);
            this.line(g.left, g.top, g.left, g.bottom);
            this.line(g.right, g.top, g.right, g.bottom);
            if (!g.openTop)
                this.line(g.left, g.top, g.right, g.top);
            this.stroke(g.endStyle, thinLine);
            if (!g.openBottom)
                this.line(g.left, g.bottom, g.right, g.bottom);
        }

        // The label's tab, its lower right corner cut.
        paintFrameTab(g) {
            const x = g.left, y = g.top, w = g.tabWidth, h = g.tabHeight, cut = h / 3;
            this.fillWith(g.style);
            this.polygon([x, y, x + w, y, x + w, y + h - cut, x + w - cut, y + h, x, y + h], true, true);
            this.text(g.style, g.label, x + w / 2, y + h / 2, 'center');
        }

        paintLifelines() {
            const style = this.model.slotStyle('lifeline');
            for (const c of this.viewer.columnsInView()) {
                const p = this.columns.participants[c];
                if (!this.model.participants[p].visible)
                    continue;
                const [top, bottom] = this.lifeline(p);
                const from = Math.max(top, this.area.top), to = Math.min(bottom, this.area.bottom);
                if (from < to) {
                    this.stroke(style, thinLine);
                    this.line(this.columns.x[c], from, this.columns.x[c], to);
                }
            }
        }

        paintBars() {
            const style = this.model.slotStyle('activated');
            const m = this.model;
            for (const c of this.viewer.columnsInView()) {
                const p = this.columns.participants[c];
                if (!m.participants[p].visible)
                    continue;
                for (let level = 0; level < m.meta.maxNesting; ++level) {
                    const intervals = m.barIndex.get(p * 64 + level);
                    if (intervals)
                        intervals.within(this.firstRow, this.lastRow + 1, []).forEach((bar) => this.paintBar(bar, style));
                }
            }
        }

        paintBar(bar, style) {
            const rect = this.barRect(bar);
            if (!rect)
                return;
            this.fillWith(style);
            this.context.fillRect(rect[0], rect[1], rect[2], rect[3]);
            this.context.strokeRect(rect[0], rect[1], rect[2], rect[3]);
            const bars = this.model.bars;
            if (bars.depth[bar] > bars.level[bar])
                this.text(builtIn.legend, bars.depth[bar] + 1 + ' deep', rect[0] + rect[2] + 2,
                    rect[1] + this.measure.lineHeight(builtIn.legend) / 2, 'left');
        }

        paintDivider(row, i) {
            const style = this.model.style(this.model.styleIndex[row]) || builtIn.separator;
            const y = this.view.lines[i];
            this.stroke(style, thinLine);
            this.line(this.area.left, y, this.area.right, y);
            const label = this.shown(style, this.model.text(this.model.label[row]));
            this.text(style, label, this.viewer.scrollX + G.framePad + 2 * G.frameInset,
                y - G.labelLift - this.measure.lineHeight(style) / 2, 'left');
        }

        arrowPath(row, i) {
            const m = this.model, y = this.view.lines[i];
            const from = m.from[row], to = m.to[row];
            const source = this.columns.xOf(from), target = this.columns.xOf(to);
            if (from === to) {
                const back = y + G.selfLoopHeight;
                const out = this.edgeX(from, row, y, source + 1, true);
                const inward = this.edgeX(from, row, back, source + 1, false);
                const right = Math.max(out, inward) + G.selfLoopWidth;
                return [out, y, right, y, right, back, inward, back];
            }
            const start = this.edgeX(from, row, y, target, false);
            if (m.flags[row] & Flag.creates) {
                const half = this.viewer.columnTitleWidth(to) / 2;
                return [start, y, target > start ? target - half : target + half, y];
            }
            return [start, y, this.edgeX(to, row, y, source, false), y];
        }

        paintArrow(row, i) {
            const m = this.model;
            if (this.columns.indexOf[m.from[row]] < 0 || this.columns.indexOf[m.to[row]] < 0)
                return;
            const style = this.rowStyle(row);
            const path = this.arrowPath(row, i);
            const c = this.context;
            this.stroke(style, arrowLine);
            c.beginPath();
            c.moveTo(path[0], path[1]);
            for (let k = 2; k < path.length; k += 2)
                c.lineTo(path[k], path[k + 1]);
            c.stroke();
            this.paintArrowHead(style, path);
            const label = this.shown(style, m.text(m.label[row]));
            const height = this.measure.lineHeight(style);
            const y = this.view.lines[i] - G.labelLift - height / 2;
            if (m.from[row] === m.to[row])
                this.text(style, label, path[0] + G.labelPad / 2, y, 'left');
            else
                this.text(style, label, (path[0] + path[path.length - 2]) / 2, y, 'center');
        }

        paintArrowHead(style, path) {
            const n = path.length;
            const tipX = path[n - 2], tipY = path[n - 1], fromX = path[n - 4], fromY = path[n - 3];
            const length = Math.hypot(tipX - fromX, tipY - fromY);
            if (length <= 0)
                return;
            const ax = (tipX - fromX) / length, ay = (tipY - fromY) / length;
            const bx = tipX - ax * G.arrowLength, by = tipY - ay * G.arrowLength;
            const upper = [bx + ay * G.arrowHalfWidth, by - ax * G.arrowHalfWidth];
            const lower = [bx - ay * G.arrowHalfWidth, by + ax * G.arrowHalfWidth];
            const c = this.context;
            c.strokeStyle = style.line;
            c.lineWidth = arrowLine;
            c.setLineDash([]);
            if (style.arrow === 1) {
                c.beginPath();
                c.moveTo(upper[0], upper[1]);
                c.lineTo(tipX, tipY);
                c.lineTo(lower[0], lower[1]);
                c.stroke();
            } else if (style.arrow === 2) {
                this.line(upper[0], upper[1], tipX, tipY);
            } else {
                c.fillStyle = style.line;
                this.polygon([upper[0], upper[1], tipX, tipY, lower[0], lower[1]], true, true);
            }
        }

        paintBoxes(row, i) {
            const m = this.model, y = this.view.lines[i];
            const x = this.columns.xOf(m.from[row]);
            switch (m.kind[row]) {
            case Kind.Birth:
                return isNaN(x) || this.paintTitle(m.from[row], x, y);
            case Kind.Message:
                return (m.flags[row] & Flag.creates) && !isNaN(this.columns.xOf(m.to[row]))
                    && this.paintTitle(m.to[row], this.columns.xOf(m.to[row]), y);
            case Kind.Action:
                return isNaN(x) || this.paintAction(row, x, y);
            case Kind.Note: {
                const style = this.rowStyle(row);
                const height = this.viewer.heights.noteHeight(m.label[row], style);
                return isNaN(x) || this.paintNote(style, m.text(m.label[row]), x + G.noteOffset, y - height / 2, height);
            }
            case Kind.Synchronisation:
                return this.paintSync(row, y);
            default:
                return false;
            }
        }

        paintTitle(p, x, y) {
            if (!this.model.participants[p].visible)
                return;
            const c = this.columns.indexOf[p];
            const style = this.columns.titleStyle(p);
            const width = this.columns.titleWidths[c];
            const height = this.viewer.heights.titleHeight(p);
            this.fillWith(style);
            this.context.fillRect(x - width / 2, y - height / 2, width, height);
            this.context.strokeRect(x - width / 2, y - height / 2, width, height);
            const title = this.measure.elided(style, this.columns.titles[c], G.maxLabelWidth);
            this.text(style, title, x, y, 'center');
        }

        paintAction(row, x, y) {
            const style = this.rowStyle(row);
            const text = this.shown(style, this.model.text(this.model.label[row]));
            const width = this.measure.width(style, text) + 2 * G.actionPadX;
            const height = this.measure.lineHeight(style) + 2 * G.actionPadY;
            const c = this.context;
            this.fillWith(style);
            c.beginPath();
            c.roundRect(x - width / 2, y - height / 2, width, height, 4);
            c.fill();
            c.stroke();
            this.text(style, text, x, y, 'center');
        }

        // A note: its upper right corner folded, its lines cut to fit.
        paintNote(style, text, left, top, height) {
            const lines = displayText(text, true).split('\n').slice(0, G.maxNoteLines)
                .map((line) => this.measure.elided(style, line, G.noteWidth));
            const width = Math.max(...lines.map((line) => this.measure.width(style, line))) + 2 * G.notePad + G.noteFold;
            const right = left + width, bottom = top + height, fold = G.noteFold;
            this.fillWith(style);
            this.polygon([left, top, right - fold, top, right, top + fold, right, bottom, left, bottom], true, true);
            const c = this.context;
            c.beginPath();
            c.moveTo(right - fold, top);
            c.lineTo(right - fold, top + fold);
            c.lineTo(right, top + fold);
            c.stroke();
            const lineHeight = this.measure.lineHeight(style);
            lines.forEach((line, k) => this.text(style, line, left + G.notePad, top + G.notePad + (k + 0.5) * lineHeight, 'left'));
            return width;
        }

        paintSync(row, y) {
            const m = this.model, xs = [];
            for (let k = m.overStart[row]; k < m.overStart[row + 1]; ++k) {
                const x = this.columns.xOf(m.over.values[k]);
                if (!isNaN(x))
                    xs.push(x);
            }
            if (!xs.length)
                return;
            const style = this.rowStyle(row);
            const left = Math.min(...xs) - G.syncOverhang, right = Math.max(...xs) + G.syncOverhang;
            this.context.fillStyle = style.line;
            this.context.fillRect(left, y - G.syncThickness / 2, right - left, G.syncThickness);
            const label = this.shown(style, m.text(m.label[row]));
            this.text(style, label, (left + right) / 2,
                y - G.syncThickness / 2 - G.labelLift - this.measure.lineHeight(style) / 2, 'center');
        }

        paintCross(style, x, y) {
            this.context.strokeStyle = style.line;
            this.context.lineWidth = crossLine;
            this.context.setLineDash([]);
            const h = G.crossHalf;
            this.line(x - h, y - h, x + h, y + h);
            this.line(x - h, y + h, x + h, y - h);
        }

        // A diamond, or a triangle for a warning, with its text.
        paintMark(text, warning, x, y) {
            const style = glyphStyle(warning), h = G.markSize / 2;
            this.context.fillStyle = style.line;
            this.polygon(warning ? [x, y - h, x + h, y + h, x - h, y + h] : [x, y - h, x + h, y, x, y + h, x - h, y], true,
                false);
            this.text(style, this.shown(style, text), x + G.markSize, y, 'left');
        }

        paintCrossesAndMarks(row, i) {
            const m = this.model, y = this.view.lines[i];
            if (m.kind[row] === Kind.Deletion) {
                const style = this.rowStyle(row);
                for (let k = m.overStart[row]; k < m.overStart[row + 1]; ++k) {
                    const x = this.columns.xOf(m.over.values[k]);
                    if (!isNaN(x))
                        this.paintCross(style, x, y);
                }
            }
            if (m.destroyed[row] >= 0 && !isNaN(this.columns.xOf(m.destroyed[row])))
                this.paintCross(m.slotStyle('deletion'), this.columns.xOf(m.destroyed[row]), y);
            if (m.kind[row] === Kind.Glyph && !isNaN(this.columns.xOf(m.from[row])))
                this.paintMark(m.text(m.label[row]), m.flags[row] & Flag.warning, this.columns.xOf(m.from[row]), y);
            this.paintAnnotations(row, i);
        }

        // The glyphs and notes below a row, from the left end of what it draws.
        paintAnnotations(row, i) {
            const m = this.model;
            if (m.annotationStart[row] === m.annotationStart[row + 1])
                return;
            const xs = m.participantsOf(row).map((p) => this.columns.xOf(p)).filter((x) => !isNaN(x));
            const left = (xs.length ? Math.min(...xs) : this.columns.x[0] || 0) + G.noteOffset;
            let top = this.view.lines[i] + m.below[row] + G.annotationGap;
            for (let k = m.annotationStart[row]; k < m.annotationStart[row + 1]; ++k) {
                const flags = m.annotationFlags.values[k], text = m.text(m.annotationText.values[k]);
                if (flags & 1) {
                    const height = Math.max(G.markSize, this.measure.lineHeight(glyphStyle(flags & 2)));
                    this.paintMark(text, flags & 2, left + G.markSize / 2, top + height / 2);
                    top += height + G.annotationGap;
                } else {
                    const style = m.style(m.annotationStyle.values[k]) || builtIn.plain;
                    const height = this.viewer.heights.noteHeight(m.annotationText.values[k], style);
                    this.paintNote(style, text, left, top, height);
                    top += height + G.annotationGap;
                }
            }
        }

        // Idle stretches folded on the time axis: a band with their length.
        paintFolds() {
            const c = this.context;
            for (const fold of this.view.foldsWithin(this.area.top, this.area.bottom)) {
                const top = fold.top + 3, height = G.foldBand - 6;
                c.fillStyle = '#eeeeee';
                c.fillRect(this.area.left, top, this.area.right - this.area.left, height);
                this.stroke(builtIn.separator, thinLine);
                this.line(this.area.left, top, this.area.right, top);
                this.line(this.area.left, top + height, this.area.right, top + height);
                this.text(builtIn.legend, '\u22ef ' + this.model.timeValueText(fold.duration) + ' idle, folded \u22ef',
                    this.viewer.scrollX + G.framePad + 2 * G.frameInset, top + height / 2, 'left');
            }
        }

        // Where events of the golden run are missing: a label over the
        // lifelines that tells how many, and the first of them.
        paintPlaces() {
            const changes = this.view.differences, c = this.context;
            const style = deletedStyle, left = this.viewer.scrollX + G.framePad;
            const room = this.area.right - left - 2 * G.tabPadX;
            for (const band of this.view.placesWithin(this.area.top, this.area.bottom)) {
                const count = changes.deletedCount(band.place);
                const label = this.measure.elided(style, displayText('\u2212 ' + (count === 1
                    ? 'only in the golden run: ' : count + ' events only in the golden run, the first: ')
                    + changes.firstDeleted(band.place)), room);
                const width = this.measure.width(style, label) + 2 * G.tabPadX, height = G.placeBand - 4;
                c.fillStyle = this.placeColour(band);
                c.strokeStyle = changeColors.deletedMark;
                c.lineWidth = thinLine;
                c.setLineDash([]);
                c.beginPath();
                c.roundRect(left, band.top + 2, width, height, 3);
                c.fill();
                c.stroke();
                this.text(style, label, left + G.tabPadX, band.top + G.placeBand / 2, 'left');
            }
        }
    }

    // ---- The viewer -------------------------------------------------------

    const byId = (id) => document.getElementById(id);

    class Viewer {
        constructor() {
            this.canvas = byId('diagram');
            this.scroller = byId('scroller');
            this.spacer = byId('spacer');
            this.context = this.canvas.getContext('2d', { alpha: false });
            this.measure = new Measure(this.context);
            this.models = [];
            this.zoom = 1;
            this.scrollX = 0;
            this.scrollY = 0;
            this.axis = 'events';
            this.focused = -1;
            this.hidden = new Set();
            this.selected = -1;
            this.differences = null;
            this.selectedPlace = -1;
            this.hunkIndex = -1;
            this.pattern = '';
            this.matchRows = null;
            this.matchFlags = null;
            this.pending = false;
            this.stats = { firstDraw: 0, ready: 0, lastFrame: 0, decoding: 0, adding: 0, layout: 0 };
        }

        // ---- loading

        dataElements(index) {
            return [...document.querySelectorAll('script.trace-data[data-model="' + index + '"]')];
        }

        // The model of a first chunk.
        createModel(index, head) {
            const model = new Model(head);
            model.heights = new RowHeights(model, this.measure);
            this.addChunk(model, head);
            this.models[index] = model;
            return model;
        }

        addChunk(model, chunk) {
            const first = chunk.manifest.firstRow;
            model.addChunk(chunk);
            model.heights.measureRows(first, model.loaded);
        }

        // The differences from a golden run, on a page that has them.
        async loadDifferences() {
            const element = document.querySelector('script.trace-differences');
            if (!element)
                return;
            this.differences = new Differences(await decodeChunk(element), this.models[0].count);
            this.showDifferences();
            this.rebuild();
        }

        // The other chunks, once the page is read.
        async loadRest(index) {
            const model = this.models[index];
            model.reserve(model.count);
            let lastLayout = performance.now();
            for (const element of this.dataElements(index).slice(1)) {
                let started = performance.now();
                const chunk = await decodeChunk(element);
                this.stats.decoding += performance.now() - started;
                started = performance.now();
                this.addChunk(model, chunk);
                this.stats.adding += performance.now() - started;
                // While reading, the rows read so far are laid out now and then.
                started = performance.now();
                if (model === this.model && started - lastLayout > 500) {
                    this.rebuild();
                    lastLayout = performance.now();
                    this.stats.layout += lastLayout - started;
                }
            }
        }

        // Draws the first chunk, which is not compressed and comes before
        // the page's script, while the browser still reads the rest of the
        // page; then decodes the rest.
        async start() {
            this.show(this.createModel(0, readChunk(base64Bytes(this.dataElements(0)[0].textContent))));
            this.drawNow();
            this.stats.firstDraw = performance.now();
            if (document.readyState === 'loading')
                await new Promise((resolve) => document.addEventListener('DOMContentLoaded', resolve, { once: true }));
            await this.loadDifferences();
            await this.loadRest(0);
            this.rebuild();
            this.stats.ready = performance.now();
            byId('message').textContent = '';
            this.openFromAddress();
        }

        show(model) {
            this.model = model;
            this.heights = model.heights;
            document.title = model.meta.title ? model.meta.title + ' \u2014 trace viewer' : document.title;
            byId('expand').hidden = !this.models[0].meta.expandable;
            byId('expand').textContent = model === this.models[0] ? 'Expand components' : 'Fold components';
            this.measureTimes();
            this.rebuild();
        }

        // The width of the time column, from a sample of the times.
        measureTimes() {
            const m = this.model, style = m.slotStyle('time');
            const step = Math.max(1, Math.floor(m.count / 256));
            let width = 0;
            for (let row = 0; row < m.loaded; row += row + step < m.loaded || row === m.loaded - 1 ? step : m.loaded - 1 - row)
                width = Math.max(width, this.measure.width(style, m.timeText(row)));
            this.timeWidth = width + 8;
            this.fixedLeft = G.margin + this.timeWidth + G.timeGap + G.edgeWidth + G.edgeGap;
        }

        // ---- what is shown

        // The rows the focus and the hidden participants leave, and the
        // participants they show.
        filterRows() {
            const m = this.model, n = m.loaded;
            const shown = new Uint8Array(m.participants.length);
            if (this.focused < 0 && !this.hidden.size)
                return { rows: null, count: n, shown: shown.fill(1) };
            const rows = new Int32Array(n);
            let count = 0;
            const focused = this.focused, hidden = this.hidden;
            for (let row = 0; row < n; ++row) {
                const parts = m.participantsOf(row);
                if (parts.some((p) => hidden.has(p)) && !(m.overStart[row + 1] > m.overStart[row] && parts.some((p) => !hidden.has(p))))
                    continue;
                if (focused >= 0 && !parts.includes(focused))
                    continue;
                rows[count++] = row;
                if (focused >= 0)
                    parts.forEach((p) => { shown[p] = 1; });
            }
            if (focused >= 0)
                shown[focused] = 1;
            else
                m.participants.forEach((participant, p) => { shown[p] = hidden.has(p) ? 0 : 1; });
            return { rows: rows.slice(0, count), count, shown };
        }

        rebuild() {
            const m = this.model;
            const { rows, count, shown } = this.filterRows();
            this.columns = new ColumnLayout(m, this.measure, shown);
            this.headerHeight = G.margin + G.headerGap / 2 + Math.max(0, ...this.columns.participants
                .filter((p) => m.participants[p].visible && m.participants[p].birth < 0)
                .map((p) => this.heights.titleHeight(p)));
            const tabBand = m.openTopFrames ? this.measure.lineHeight(m.slotStyle('loopStart')) + 2 * G.tabPadY : 0;
            this.view = new RowView(m, rows, count, this.axis, tabBand, m === this.models[0] ? this.differences : null);
            this.estimatedHeight = this.view.rowsBottom + (m.count - m.loaded) * 30;
            this.runSearch();
            this.updateStatus();
            this.scrollTo(this.scrollX, this.scrollY);
        }

        columnTitleWidth(p) {
            const c = this.columns.indexOf[p];
            return c >= 0 ? this.columns.titleWidths[c] : 0;
        }

        // ---- geometry of the screen

        size() {
            return { width: this.canvas.clientWidth, height: this.canvas.clientHeight };
        }

        viewport() {
            const { width, height } = this.size();
            return {
                width: Math.max(1, (width - this.fixedLeft * this.zoom) / this.zoom),
                height: Math.max(1, (height - this.headerHeight * this.zoom) / this.zoom),
            };
        }

        maxScroll() {
            const viewport = this.viewport();
            return {
                x: Math.max(0, this.columns.width - viewport.width),
                y: Math.max(0, this.estimatedHeight - viewport.height),
            };
        }

        // The shown rows on screen, as view indexes.
        rowsInView() {
            const viewport = this.viewport();
            return [this.view.firstBelow(this.scrollY), this.view.lastAbove(this.scrollY + viewport.height)];
        }

        columnsInView() {
            const viewport = this.viewport();
            const reach = G.maxLabelWidth;
            const first = this.columns.columnAtOrAfter(this.scrollX - reach);
            const last = this.columns.columnAtOrAfter(this.scrollX + viewport.width + reach);
            const list = [];
            for (let c = first; c < Math.min(last, this.columns.x.length); ++c)
                list.push(c);
            return list;
        }

        // ---- scrolling and zoom

        scrollTo(x, y) {
            const max = this.maxScroll();
            this.scrollX = Math.max(0, Math.min(x, max.x));
            this.scrollY = Math.max(0, Math.min(y, max.y));
            this.syncScrollBars();
            this.invalidate();
        }

        scrollBy(dx, dy) {
            this.scrollTo(this.scrollX + dx, this.scrollY + dy);
        }

        // The native scroll bars stand for the diagram, scaled down when it
        // is larger than an element may be.
        syncScrollBars() {
            const max = this.maxScroll(), { width, height } = this.size();
            const spacerWidth = Math.min(maxSpacer, width + max.x * this.zoom);
            const spacerHeight = Math.min(maxSpacer, height + max.y * this.zoom);
            this.spacer.style.width = spacerWidth + 'px';
            this.spacer.style.height = spacerHeight + 'px';
            const left = max.x ? this.scrollX / max.x * (spacerWidth - width) : 0;
            const top = max.y ? this.scrollY / max.y * (spacerHeight - height) : 0;
            this.syncing = { left: Math.round(left), top: Math.round(top) };
            this.scroller.scrollLeft = left;
            this.scroller.scrollTop = top;
        }

        onScrollBars() {
            const s = this.scroller;
            if (this.syncing && Math.abs(s.scrollLeft - this.syncing.left) <= 1 && Math.abs(s.scrollTop - this.syncing.top) <= 1)
                return;
            const max = this.maxScroll(), { width, height } = this.size();
            const rangeX = s.scrollWidth - width, rangeY = s.scrollHeight - height;
            this.scrollX = rangeX > 0 ? s.scrollLeft / rangeX * max.x : 0;
            this.scrollY = rangeY > 0 ? s.scrollTop / rangeY * max.y : 0;
            this.invalidate();
        }

        setZoom(zoom, anchorX, anchorY) {
            const old = this.zoom;
            const next = Math.max(0.25, Math.min(4, zoom));
            const { width, height } = this.size();
            const ax = anchorX === undefined ? width / 2 : anchorX, ay = anchorY === undefined ? height / 2 : anchorY;
            const worldX = this.scrollX + (ax - this.fixedLeft * old) / old;
            const worldY = this.scrollY + (ay - this.headerHeight * old) / old;
            this.zoom = next;
            byId('zoom').textContent = Math.round(next * 100) + '%';
            this.scrollTo(worldX - (ax - this.fixedLeft * next) / next, worldY - (ay - this.headerHeight * next) / next);
        }

        // ---- drawing

        invalidate() {
            if (this.pending || !this.view)
                return;
            this.pending = true;
            requestAnimationFrame(() => {
                this.pending = false;
                this.drawNow();
            });
        }

        drawNow() {
            const started = performance.now();
            const { width, height } = this.size();
            const ratio = window.devicePixelRatio || 1;
            if (this.canvas.width !== Math.round(width * ratio) || this.canvas.height !== Math.round(height * ratio)) {
                this.canvas.width = Math.round(width * ratio);
                this.canvas.height = Math.round(height * ratio);
            }
            const c = this.context, z = this.zoom;
            c.setTransform(ratio, 0, 0, ratio, 0, 0);
            c.fillStyle = '#ffffff';
            c.fillRect(0, 0, width, height);
            const [first, last] = this.rowsInView();
            const viewport = this.viewport();
            const painter = new Painter(this);
            c.save();
            c.beginPath();
            c.rect(this.fixedLeft * z, this.headerHeight * z, width, height);
            c.clip();
            c.setTransform(ratio * z, 0, 0, ratio * z, ratio * (this.fixedLeft - this.scrollX) * z,
                ratio * (this.headerHeight - this.scrollY) * z);
            painter.paint(first, last, {
                left: this.scrollX - this.fixedLeft, right: this.scrollX + viewport.width,
                top: this.scrollY, bottom: this.scrollY + viewport.height,
            });
            c.restore();
            this.paintTimeColumn(painter, first, last, ratio);
            this.paintHeader(painter, ratio);
            this.stats.lastFrame = performance.now() - started;
        }

        // The times on the left, where they change, the thread edges and,
        // on the time axis, ticks between the rows drawn to scale.
        paintTimeColumn(painter, first, last, ratio) {
            const c = this.context, m = this.model, view = this.view, z = this.zoom;
            c.save();
            c.setTransform(ratio * z, 0, 0, ratio * z, 0, ratio * (this.headerHeight - this.scrollY) * z);
            const style = m.slotStyle('time');
            const right = G.margin + this.timeWidth, edge = right + G.timeGap;
            for (let i = first; i <= last; ++i) {
                const row = view.row(i);
                const thread = m.thread[row];
                if (thread >= 0) {
                    c.fillStyle = threadPalette[((m.threads[thread].color % 11) + 11) % 11];
                    c.fillRect(edge, view.tops[i], G.edgeWidth, view.bottoms[i] - view.tops[i]);
                }
                if (this.timeChanges(i))
                    painter.text(style, m.timeText(row), right, view.lines[i], 'right');
                if (view.proportional && view.proportional[i])
                    this.paintTicks(painter, i, right);
                if (view.differences && view.differences.flags[row])
                    this.paintChangeMark(painter, view.differences.flags[row], view.lines[i]);
            }
            const bottom = this.scrollY + this.viewport().height;
            for (const fold of view.foldsWithin(this.scrollY, bottom)) {
                painter.text(builtIn.legend, '\u22ef', right, fold.top + G.foldBand / 2, 'right');
            }
            for (const band of view.placesWithin(this.scrollY, bottom))
                this.paintChangeMark(painter, 0, band.top + G.placeBand / 2);
            c.restore();
        }

        // In the margin left of the times: + a row only in this run, ~ a row
        // whose timing moved, - events only in the golden run (flags 0).
        paintChangeMark(painter, flags, y) {
            const mark = changeMarks[flags & Change.inserted ? 0 : flags & Change.retimed ? 1 : 2];
            painter.text(mark.style, mark.text, G.margin / 2, y, 'center');
        }

        timeChanges(i) {
            const m = this.model, view = this.view, row = view.row(i);
            if (!(m.flags[row] & Flag.timed))
                return false;
            for (let k = i - 1; k >= Math.max(0, i - 16); --k) {
                const before = view.row(k);
                if (m.flags[before] & Flag.timed)
                    return m.timeHigh[before] !== m.timeHigh[row] || m.timeLow[before] !== m.timeLow[row];
            }
            return true;
        }

        // Ticks at round times between row i - 1 and row i, with their times
        // where there is room: 1, 2 or 5 times a power of ten apart, at
        // least 60 pixels.
        paintTicks(painter, i, right) {
            const m = this.model, view = this.view, scale = view.scale;
            const t0 = m.time[view.row(i - 1)], t1 = m.time[view.row(i)];
            const least = 60 / scale, power = Math.pow(10, Math.floor(Math.log10(least)));
            const step = [1, 2, 5, 10].map((k) => k * power).find((s) => s >= least);
            const room = this.measure.lineHeight(builtIn.legend);
            const c = this.context;
            for (let t = Math.ceil(t0 / step) * step; t < t1; t += step) {
                const y = view.lines[i - 1] + (t - t0) * scale;
                if (y - view.lines[i - 1] < room || view.lines[i] - y < room)
                    continue;
                c.strokeStyle = '#9a9a9a';
                c.lineWidth = 1;
                c.setLineDash([]);
                painter.line(right + 2, y, right + G.timeGap, y);
                painter.text(builtIn.legend, m.timeValueText(t), right - 2, y, 'right');
            }
        }

        // The header: the titles of the participants alive at the top of
        // the screen, over everything.
        paintHeader(painter, ratio) {
            const c = this.context, z = this.zoom, m = this.model;
            const { width } = this.size();
            c.save();
            c.setTransform(ratio, 0, 0, ratio, 0, 0);
            c.fillStyle = '#ffffff';
            c.fillRect(0, 0, width, this.headerHeight * z);
            c.strokeStyle = '#d8d8d8';
            c.lineWidth = 1;
            painter.line(0, this.headerHeight * z - 0.5, width, this.headerHeight * z - 0.5);
            c.beginPath();
            c.rect(this.fixedLeft * z, 0, width, this.headerHeight * z);
            c.clip();
            c.setTransform(ratio * z, 0, 0, ratio * z, ratio * (this.fixedLeft - this.scrollX) * z, 0);
            const centre = this.headerTitleY();
            const lifeline = m.slotStyle('lifeline');
            for (const column of this.columnsInView()) {
                const p = this.columns.participants[column];
                if (!m.participants[p].visible)
                    continue;
                const [top, bottom] = painter.lifeline(p);
                if (top > this.scrollY + G.rowPad || bottom < this.scrollY)
                    continue;
                const x = this.columns.x[column];
                painter.stroke(lifeline, thinLine);
                painter.line(x, centre, x, this.headerHeight);
                painter.paintTitle(p, x, centre);
            }
            c.restore();
        }

        headerTitleY() {
            return G.margin + (this.headerHeight - G.margin - G.headerGap / 2) / 2;
        }

        // ---- finding what was clicked

        // The participant whose title is at a point of the header, or -1.
        participantAt(clientX) {
            const x = this.scrollX + clientX / this.zoom - this.fixedLeft;
            const c = this.columns.columnAtOrAfter(x);
            for (const candidate of [c - 1, c]) {
                if (candidate >= 0 && candidate < this.columns.x.length
                    && Math.abs(this.columns.x[candidate] - x) <= this.columns.titleWidths[candidate] / 2)
                    return this.columns.participants[candidate];
            }
            return -1;
        }

        // The row at a height of the screen, or -1.
        rowAt(clientY) {
            const y = this.scrollY + clientY / this.zoom - this.headerHeight;
            const i = this.view.lastAbove(y + 0.001);
            return i >= 0 && y < this.view.bottoms[i] ? this.view.row(i) : -1;
        }

        onClick(event) {
            const bounds = this.canvas.getBoundingClientRect();
            const x = event.clientX - bounds.left, y = event.clientY - bounds.top;
            this.closeMenu();
            if (y < this.headerHeight * this.zoom) {
                const p = this.participantAt(x);
                if (p >= 0)
                    this.openMenu(p, event.clientX, event.clientY);
                return;
            }
            const place = this.view.placeAt(this.scrollY + y / this.zoom - this.headerHeight);
            if (place) {
                this.selectPlace(place.place);
                return;
            }
            const row = this.rowAt(y);
            if (row < 0)
                return;
            const m = this.model;
            const titled = m.kind[row] === Kind.Birth ? m.from[row] : (m.flags[row] & Flag.creates) ? m.to[row] : -1;
            if (titled >= 0 && this.participantAt(x) === titled) {
                this.openMenu(titled, event.clientX, event.clientY);
                return;
            }
            this.select(row, false);
        }

        // ---- selection and details

        details(row) {
            const m = this.model;
            const name = (p) => (p >= 0 ? m.participants[p].name : '');
            const notes = [], glyphs = [];
            if (m.kind[row] === Kind.Note)
                notes.push(m.text(m.label[row]));
            if (m.kind[row] === Kind.Glyph)
                glyphs.push(m.text(m.label[row]));
            for (let k = m.annotationStart[row]; k < m.annotationStart[row + 1]; ++k)
                (m.annotationFlags.values[k] & 1 ? glyphs : notes).push(m.text(m.annotationText.values[k]));
            const over = [];
            for (let k = m.overStart[row]; k < m.overStart[row + 1]; ++k)
                over.push(name(m.over.values[k]));
            const thread = m.thread[row] >= 0 ? m.threads[m.thread[row]] : null;
            const style = m.style(m.styleIndex[row]);
            const changes = this.view.differences;
            const difference = changes ? {
                difference: changes.flags[row] & Change.inserted ? 'only in this run' : '',
                timing: changes.retiming(row),
            } : {};
            return {
                event: row,
                position: m.position[row],
                time: m.flags[row] & Flag.timed ? m.timeText(row) : '',
                kind: kindNames[m.kind[row]] + (m.flags[row] & Flag.call ? ' (call)' : ''),
                from: name(m.from[row]),
                to: name(m.to[row]),
                over,
                label: m.text(m.label[row]),
                note: notes.join('\n'),
                glyph: glyphs.join('\n'),
                link: m.text(m.link[row]),
                style: style ? style.name : '',
                thread: thread ? (thread.name || 'thread ' + thread.number) : '',
                file: m.file[row] >= 0 ? m.files[m.file[row]] : '',
                line: m.line[row],
                ...difference,
            };
        }

        // The details panel with a title and rows of a heading and a value;
        // rows without a value are left out.
        openDetails(title, rows) {
            const table = byId('details-table');
            table.replaceChildren();
            for (const [heading, value] of rows) {
                if (value === '' || value === undefined)
                    continue;
                const tr = document.createElement('tr');
                const th = document.createElement('th');
                const td = document.createElement('td');
                th.textContent = heading;
                td.textContent = displayText(String(value), true);
                tr.append(th, td);
                table.append(tr);
            }
            byId('details-title').textContent = title;
            byId('details').hidden = false;
            this.resized();
        }

        showDetails(details) {
            const rows = [];
            const add = (heading, value) => rows.push([heading, value]);
            add('Difference', details.difference);
            add('Timing', details.timing);
            add('Kind', details.kind);
            add('Time', details.time);
            add(details.over.length ? 'Participants' : 'From', details.over.length ? details.over.join(', ') : details.from);
            if (details.to !== details.from || details.over.length)
                add('To', details.to);
            add('Label', details.label);
            add('Note', details.note);
            add('Glyph', details.glyph);
            add('Link', details.link);
            add('Style', details.style);
            add('Thread', details.thread);
            add('File', details.file ? details.file + (details.line ? ':' + details.line : '') : '');
            add('Trace object', details.position);
            this.openDetails('Event ' + details.event, rows);
        }

        // Selects a row, scrolls it into view unless it is there, opens its
        // details and puts it in the address.
        select(row, scroll = true) {
            const m = this.model;
            if (!Number.isInteger(row) || row < 0 || row >= m.loaded)
                return null;
            this.selected = row;
            this.selectedPlace = -1;
            const details = this.details(row);
            this.showDetails(details);
            if (scroll)
                this.reveal(row);
            this.putInAddress(row);
            this.updateStatus();
            this.invalidate();
            return details;
        }

        // The address follows the selection once the script that selects is
        // done: a script that selects many events changes it once.
        putInAddress(row) {
            const first = this.addressRow === undefined;
            this.addressRow = row;
            if (first)
                queueMicrotask(() => {
                    try {
                        history.replaceState(null, '', '#event=' + this.addressRow);
                    } catch (error) {
                        // a page whose address cannot change
                    }
                    this.addressRow = undefined;
                });
        }

        reveal(row) {
            const i = Math.min(this.view.indexAtOrAfter(row), this.view.count - 1);
            if (i < 0)
                return;
            const viewport = this.viewport();
            if (this.view.tops[i] < this.scrollY || this.view.bottoms[i] > this.scrollY + viewport.height)
                this.scrollTo(this.scrollX, this.view.lines[i] - viewport.height / 3);
            this.revealColumns(row);
        }

        // Scrolls sideways to the participants of a row unless they are on screen.
        revealColumns(row) {
            const viewport = this.viewport();
            const xs = this.model.participantsOf(row).map((p) => this.columns.xOf(p)).filter((x) => !isNaN(x));
            if (xs.length && (Math.min(...xs) < this.scrollX || Math.max(...xs) > this.scrollX + viewport.width))
                this.scrollTo(Math.min(...xs) - 40, this.scrollY);
        }

        closeDetails() {
            byId('details').hidden = true;
            this.selected = -1;
            this.selectedPlace = -1;
            this.resized();
        }

        openFromAddress() {
            const match = /^#event=(\d+)$/.exec(location.hash);
            if (match)
                this.select(Number(match[1]));
        }

        // ---- search

        search(pattern) {
            this.pattern = pattern || '';
            byId('search').value = this.pattern;
            this.runSearch();
            this.updateStatus();
            this.invalidate();
            return this.matchRows ? this.matchRows.length : 0;
        }

        // The shown rows whose label, notes, glyphs or participants' names
        // match: each distinct text is tested once.
        runSearch() {
            const input = byId('search');
            this.matchRows = this.matchFlags = null;
            input.classList.remove('invalid');
            if (!this.pattern)
                return;
            let expression;
            try {
                expression = new RegExp(this.pattern, 'i');
            } catch (error) {
                input.classList.add('invalid');
                byId('message').textContent = error.message;
                return;
            }
            byId('message').textContent = '';
            const m = this.model, view = this.view;
            const tested = new Uint8Array(m.texts.length);
            const matches = (text) => {
                if (!tested[text])
                    tested[text] = expression.test(m.texts[text]) ? 2 : 1;
                return tested[text] === 2;
            };
            const names = m.participants.map((participant) => expression.test(participant.name));
            const flags = new Uint8Array(view.count);
            const found = [];
            for (let i = 0; i < view.count; ++i) {
                const row = view.row(i);
                let hit = matches(m.label[row]) || (m.from[row] >= 0 && names[m.from[row]])
                    || (m.to[row] >= 0 && names[m.to[row]]);
                for (let k = m.annotationStart[row]; !hit && k < m.annotationStart[row + 1]; ++k)
                    hit = matches(m.annotationText.values[k]);
                for (let k = m.overStart[row]; !hit && k < m.overStart[row + 1]; ++k)
                    hit = names[m.over.values[k]];
                if (hit) {
                    flags[i] = 1;
                    found.push(row);
                }
            }
            this.matchRows = Int32Array.from(found);
            this.matchFlags = flags;
        }

        // The next (or previous) match after the selection, round the end.
        nextMatch(backwards) {
            const matches = this.matchRows;
            if (!matches || !matches.length)
                return null;
            const from = this.selected >= 0 ? this.selected : this.view.row(Math.max(0, this.rowsInView()[0])) - 1;
            const low = partition(matches.length, (i) => matches[i] <= from);
            const k = backwards ? (matches[low - 1] === from ? low - 2 : low - 1) : low;
            return this.select(matches[(k + matches.length) % matches.length]);
        }

        updateStatus() {
            const matches = this.matchRows;
            let text = '';
            if (matches) {
                const at = matches.indexOf(this.selected);
                text = (at >= 0 ? at + 1 + ' of ' : '') + matches.length + (matches.length === 1 ? ' match' : ' matches');
            }
            byId('matches').textContent = text;
            const m = this.model;
            const filter = this.focused >= 0 ? 'Focus: ' + displayText(m.participants[this.focused].name)
                : this.hidden.size ? this.hidden.size + ' hidden' : '';
            byId('filter').textContent = filter;
            byId('show-all').hidden = !filter;
            if (m.loaded < m.count)
                byId('message').textContent = 'Reading ' + m.loaded + ' of ' + m.count + ' events\u2026';
        }

        // ---- focus, hiding, components

        participantNamed(name) {
            return this.model.participants.findIndex((participant) => participant.name === name);
        }

        setFocus(p) {
            this.focused = p;
            this.rebuild();
            if (this.selected >= 0)
                this.reveal(this.selected);
        }

        hide(p) {
            this.hidden.add(p);
            if (this.focused === p)
                this.focused = -1;
            this.rebuild();
        }

        showAll() {
            this.focused = -1;
            this.hidden.clear();
            this.rebuild();
        }

        // Shows the model with the components as their members, or folded
        // again; the selected event stays selected.
        async expand(on) {
            if (!this.models[0].meta.expandable || on === (this.model !== this.models[0]))
                return this.model === this.models[1];
            if (on && !this.models[1]) {
                this.createModel(1, await decodeChunk(this.dataElements(1)[0]));
                await this.loadRest(1);
            }
            const position = this.selected >= 0 ? this.model.position[this.selected] : -1;
            this.focused = -1;
            this.hidden.clear();
            this.selected = -1;
            this.show(this.models[on ? 1 : 0]);
            if (position >= 0)
                this.select(this.model.rowAtPosition(position));
            return on;
        }

        openMenu(p, clientX, clientY) {
            const m = this.model, menu = byId('menu');
            this.menuParticipant = p;
            byId('menu-title').textContent = m.title(p);
            byId('menu-focus').textContent = this.focused === p ? 'Show every event again' : 'Focus: only its events';
            const expandable = m.meta.expandable ? m.participants[p].kind === Participant.Component : this.models[0].meta.expandable;
            byId('menu-expand').hidden = !expandable;
            byId('menu-expand').textContent = m === this.models[0] ? 'Expand components' : 'Fold components';
            menu.hidden = false;
            menu.style.left = Math.min(clientX, window.innerWidth - menu.offsetWidth - 4) + 'px';
            menu.style.top = Math.min(clientY, window.innerHeight - menu.offsetHeight - 4) + 'px';
            byId('menu-focus').focus();
        }

        closeMenu() {
            byId('menu').hidden = true;
        }

        // ---- differences from a golden run

        // The header's line of differences and the list of hunks.
        showDifferences() {
            const d = this.differences, count = d.hunks.length;
            byId('differences').hidden = false;
            byId('hunk-list-panel').hidden = false;
            byId('hunk-count').textContent = count + (count === 1 ? ' hunk' : ' hunks');
            byId('legend-retimed').hidden = !d.retimedRow.length;
            byId('difference-summary').textContent = 'Golden run ' + displayText(d.golden) + ': ' + displayText(d.summary);
            const list = document.createDocumentFragment();
            d.hunks.forEach((hunk, k) => list.append(this.hunkItem(hunk, k)));
            byId('hunk-list').replaceChildren(list);
            const moved = document.createDocumentFragment();
            d.retimedRow.forEach((row, k) => {
                const item = this.listItem('Event ' + row, d.texts[d.retimedText[k]]);
                item.addEventListener('click', () => this.select(row));
                moved.append(item);
            });
            byId('retimed-list').replaceChildren(moved);
            byId('retimed-heading').hidden = !d.retimedRow.length;
        }

        hunkItem(hunk, k) {
            const { inserted, deleted } = this.differences.counts(hunk);
            const item = this.listItem(hunk.title, deleted + ' deleted, ' + inserted + ' inserted');
            item.addEventListener('click', () => this.goToHunk(k));
            return item;
        }

        listItem(title, text) {
            const item = document.createElement('li');
            const button = document.createElement('button');
            const head = document.createElement('span');
            const body = document.createElement('span');
            button.type = 'button';
            head.className = 'title';
            head.textContent = title;
            body.textContent = displayText(text);
            button.append(head, body);
            item.append(button);
            return item;
        }

        // Selects the golden run's events missing at a place and lists them.
        selectPlace(place) {
            const d = this.differences;
            this.selected = -1;
            this.selectedPlace = place;
            const events = d.deleted(place);
            const rows = events.slice(0, G.maxDeletedLines).map((event) => ['\u2212',
                event.text + (event.place ? '\n' + event.place : '')]);
            if (events.length > G.maxDeletedLines)
                rows.push(['', '\u2026 ' + (events.length - G.maxDeletedLines) + ' more']);
            this.openDetails(events.length === 1 ? 'Only in the golden run'
                : events.length + ' events only in the golden run', rows);
            this.updateStatus();
            this.invalidate();
        }

        // Shows hunk k near the top of the screen with its first change
        // selected; null when there is no such hunk.
        goToHunk(k) {
            const d = this.differences;
            if (!d || !Number.isInteger(k) || k < 0 || k >= d.hunks.length)
                return null;
            const hunk = d.hunks[k], view = this.view, viewport = this.viewport();
            const i = Math.min(view.indexAtOrAfter(hunk.first), view.count - 1);
            const place = view.places[d.placeAtOrAfter(hunk.first)];
            const top = Math.min(i >= 0 ? view.tops[i] : Infinity, place ? place.top : Infinity);
            if (isFinite(top))
                this.scrollTo(this.scrollX, top - viewport.height / 6);
            const change = d.firstChange(hunk);
            if (change.place !== undefined)
                this.selectPlace(change.place);
            else
                this.select(change.row, false);
            const inserted = d.firstInserted(hunk);
            if (inserted <= hunk.last && inserted < this.model.loaded)
                this.revealColumns(inserted);
            const items = byId('hunk-list').children;
            if (this.hunkIndex >= 0)
                items[this.hunkIndex].classList.remove('current');
            this.hunkIndex = k;
            items[k].classList.add('current');
            items[k].scrollIntoView({ block: 'nearest' });
            byId('hunk-count').textContent = 'hunk ' + (k + 1) + ' of ' + d.hunks.length;
            return { first: hunk.first, last: hunk.last, title: hunk.title };
        }

        // The next (or previous) hunk, round the end.
        nextHunk(backwards) {
            const count = this.differences ? this.differences.hunks.length : 0;
            if (!count)
                return null;
            const k = this.hunkIndex < 0 ? (backwards ? count - 1 : 0) : this.hunkIndex + (backwards ? -1 : 1);
            return this.goToHunk((k + count) % count);
        }

        hunks() {
            return this.differences ? this.differences.hunks.map((hunk) => ({ ...hunk })) : [];
        }

        // ---- the script API

        participants() {
            return this.columns.participants.filter((p) => this.model.participants[p].visible)
                .map((p) => this.model.participants[p].name);
        }

        visibleEvents() {
            const [first, last] = this.rowsInView();
            if (first > last)
                return [];
            return [this.view.row(first), this.view.row(last)];
        }

        setAxis(axis) {
            if (axis !== 'events' && axis !== 'time')
                return this.axis;
            const keep = this.visibleEvents()[0];
            this.axis = axis;
            byId('axis').value = axis;
            this.rebuild();
            if (keep !== undefined) {
                const i = this.view.indexAtOrAfter(keep);
                this.scrollTo(this.scrollX, i < this.view.count ? this.view.tops[i] : this.scrollY);
            }
            return axis;
        }

        // Where an event is drawn, in the canvas's pixels: its line, the x of
        // its participants; null when it is not shown.
        eventGeometry(row) {
            const i = this.view.indexAtOrAfter(row);
            if (i >= this.view.count || this.view.row(i) !== row)
                return null;
            const m = this.model, z = this.zoom;
            const screenX = (x) => (this.fixedLeft + x - this.scrollX) * z;
            const xOf = (p) => (p >= 0 && !isNaN(this.columns.xOf(p)) ? screenX(this.columns.xOf(p)) : null);
            return {
                y: (this.headerHeight + this.view.lines[i] - this.scrollY) * z,
                top: (this.headerHeight + this.view.tops[i] - this.scrollY) * z,
                bottom: (this.headerHeight + this.view.bottoms[i] - this.scrollY) * z,
                from: xOf(m.from[row]),
                to: xOf(m.to[row]),
                header: this.headerHeight * z,
                timeRight: (G.margin + this.timeWidth) * z,
            };
        }

        // Where a participant's title is drawn in the header, in the canvas's
        // pixels; null when it has no column.
        participantGeometry(name) {
            const p = this.participantNamed(name);
            const c = p >= 0 ? this.columns.indexOf[p] : -1;
            if (c < 0)
                return null;
            const z = this.zoom;
            return {
                x: (this.fixedLeft + this.columns.x[c] - this.scrollX) * z,
                y: this.headerTitleY() * z,
                width: this.columns.titleWidths[c] * z,
                height: this.heights.titleHeight(p) * z,
            };
        }

        // ---- input

        resized() {
            if (!this.view)
                return;
            this.scrollTo(this.scrollX, this.scrollY);
            this.drawNow();
        }

        onWheel(event) {
            event.preventDefault();
            const unit = event.deltaMode === 1 ? 16 : event.deltaMode === 2 ? this.viewport().height : 1;
            if (event.ctrlKey) {
                const bounds = this.canvas.getBoundingClientRect();
                this.setZoom(this.zoom * Math.exp(-event.deltaY * unit / 500), event.clientX - bounds.left,
                    event.clientY - bounds.top);
                return;
            }
            const dx = event.shiftKey ? event.deltaY : event.deltaX;
            const dy = event.shiftKey ? 0 : event.deltaY;
            this.scrollBy(dx * unit / this.zoom, dy * unit / this.zoom);
        }

        onKey(event) {
            const target = event.target;
            const typing = target instanceof HTMLInputElement || target instanceof HTMLSelectElement;
            if ((event.key === 'f' && (event.ctrlKey || event.metaKey)) || (event.key === '/' && !typing)) {
                event.preventDefault();
                byId('search').focus();
                byId('search').select();
                return;
            }
            if (event.key === 'Escape') {
                this.closeMenu();
                if (typing)
                    target.blur();
                else
                    this.closeDetails();
                return;
            }
            if (typing || event.altKey || event.ctrlKey || event.metaKey)
                return;
            const page = this.viewport().height * 0.9, step = 40 / this.zoom;
            const actions = {
                ArrowDown: () => this.scrollBy(0, step),
                ArrowUp: () => this.scrollBy(0, -step),
                ArrowRight: () => this.scrollBy(step, 0),
                ArrowLeft: () => this.scrollBy(-step, 0),
                PageDown: () => this.scrollBy(0, page),
                PageUp: () => this.scrollBy(0, -page),
                ' ': () => this.scrollBy(0, event.shiftKey ? -page : page),
                Home: () => this.scrollTo(this.scrollX, 0),
                End: () => this.scrollTo(this.scrollX, Infinity),
                '+': () => this.setZoom(this.zoom * 1.25),
                '=': () => this.setZoom(this.zoom * 1.25),
                '-': () => this.setZoom(this.zoom / 1.25),
                0: () => this.setZoom(1),
                n: () => this.nextMatch(false),
                N: () => this.nextMatch(true),
                ']': () => this.nextHunk(false),
                '[': () => this.nextHunk(true),
            };
            const action = actions[event.key];
            if (action) {
                event.preventDefault();
                action();
            }
        }

        connect() {
            const on = (id, type, handler) => byId(id).addEventListener(type, handler);
            this.scroller.addEventListener('wheel', (event) => this.onWheel(event), { passive: false });
            this.scroller.addEventListener('scroll', () => this.onScrollBars());
            this.scroller.addEventListener('click', (event) => this.onClick(event));
            window.addEventListener('keydown', (event) => this.onKey(event));
            window.addEventListener('hashchange', () => this.openFromAddress());
            new ResizeObserver(() => this.resized()).observe(byId('view'));
            on('search', 'input', () => this.search(byId('search').value));
            on('search', 'keydown', (event) => {
                if (event.key === 'Enter')
                    this.nextMatch(event.shiftKey);
            });
            on('next', 'click', () => this.nextMatch(false));
            on('previous', 'click', () => this.nextMatch(true));
            on('hunk-next', 'click', () => this.nextHunk(false));
            on('hunk-previous', 'click', () => this.nextHunk(true));
            on('axis', 'change', () => this.setAxis(byId('axis').value));
            on('zoom-in', 'click', () => this.setZoom(this.zoom * 1.25));
            on('zoom-out', 'click', () => this.setZoom(this.zoom / 1.25));
            on('show-all', 'click', () => this.showAll());
            on('expand', 'click', () => this.expand(this.model === this.models[0]));
            on('details-close', 'click', () => this.closeDetails());
            on('menu-focus', 'click', () => {
                this.closeMenu();
                this.setFocus(this.focused === this.menuParticipant ? -1 : this.menuParticipant);
            });
            on('menu-hide', 'click', () => {
                this.closeMenu();
                this.hide(this.menuParticipant);
            });
            on('menu-expand', 'click', () => {
                this.closeMenu();
                this.expand(this.model === this.models[0]);
            });
        }
    }

    // ---- Start ------------------------------------------------------------

    const viewer = new Viewer();
    viewer.connect();
    byId('message').textContent = 'Reading the trace\u2026';
    const ready = viewer.start().catch((error) => {
        byId('message').textContent = 'This page cannot show its trace: ' + error.message;
        throw error;
    });

    window.traceViewer = Object.freeze({
        get eventCount() {
            return viewer.model ? viewer.model.count : 0;
        },
        ready,
        stats: viewer.stats,
        participants: () => viewer.participants(),
        visibleEvents: () => viewer.visibleEvents(),
        select: (n) => viewer.select(n),
        search: (pattern) => viewer.search(pattern),
        focus: (name) => {
            const p = name === null || name === undefined ? -1 : viewer.participantNamed(name);
            if (p < 0 && name !== null && name !== undefined)
                return false;
            viewer.setFocus(p);
            return true;
        },
        hide: (name) => {
            const p = viewer.participantNamed(name);
            if (p >= 0)
                viewer.hide(p);
            return p >= 0;
        },
        showAll: () => viewer.showAll(),
        setAxis: (axis) => viewer.setAxis(axis),
        expand: (on) => viewer.expand(on !== false),
        scrollBy: (dx, dy) => viewer.scrollBy(dx, dy),
        drawNow: () => {
            viewer.drawNow();
            return viewer.stats.lastFrame;
        },
        eventGeometry: (n) => viewer.eventGeometry(n),
        participantGeometry: (name) => viewer.participantGeometry(name),
        hunks: () => viewer.hunks(),
        hunk: (i) => viewer.goToHunk(i),
    });
})();
