// The page: the engine (orvanta.wasm) draws every block the sound brings; this module offers the
// choices and keys of orvanta2-live, starts the sound sources and shows the pane.
const kTexts = {
    en: {
        source: 'Sound',
        mic: 'Microphone or input',
        tab: 'A tab or the screen',
        file: 'A file',
        device: 'Device',
        start: 'Start',
        stop: 'Stop',
        style: 'Style',
        scheme: 'Colours',
        penWidth: 'Pen',
        grid: 'Grid',
        clear: 'Clear',
        pause: 'Pause',
        fullScreen: 'Full screen',
        help: 'Help',
        helpTitle: 'Keys',
        nextStyle: 'next style',
        previousStyle: 'previous style',
        nextScheme: 'next scheme',
        previousScheme: 'previous scheme',
        penKeys: 'pen width',
        clearKey: 'clear before blocks',
        gridKey: 'grid',
        pauseKey: 'pause',
        fullScreenKey: 'full screen',
        helpKey: 'this help',
        back: 'back',
        clicks: 'Clicks: left/right style',
        defaultDevice: 'default',
        noWasm: 'This browser runs no WebAssembly, so the picture cannot be drawn.',
        noWorklet: 'This browser has no AudioWorklet, so no sound can reach the picture.',
        refused:
            'The browser was not allowed to use the sound input. Allow it in the address bar and press Start again.',
        noDevice: 'No sound input device was found.',
        noDisplayAudio: 'This browser cannot share a tab\'s or the screen\'s sound.',
        noSharedAudio:
            'What was shared brings no sound: share a tab (or the screen) with its sound.',
        ended: 'The capture was ended.',
        undecodable: 'This file cannot be played as sound: ',
        pressToStart: 'Press Start (or any key) to let the page play sound.',
        failed: 'The sound could not be started: ',
    },
    ru: {
        source: 'Звук',
        mic: 'Микрофон или вход',
        tab: 'Вкладка или экран',
        file: 'Файл',
        device: 'Устройство',
        start: 'Старт',
        stop: 'Стоп',
        style: 'Стиль',
        scheme: 'Цвета',
        penWidth: 'Перо',
        grid: 'Сетка',
        clear: 'Очищать',
        pause: 'Пауза',
        fullScreen: 'Во весь экран',
        help: 'Справка',
        helpTitle: 'Клавиши',
        nextStyle: 'следующий стиль',
        previousStyle: 'предыдущий стиль',
        nextScheme: 'следующая схема',
        previousScheme: 'предыдущая схема',
        penKeys: 'толщина пера',
        clearKey: 'очищать перед блоками',
        gridKey: 'сетка',
        pauseKey: 'пауза',
        fullScreenKey: 'во весь экран',
        helpKey: 'эта справка',
        back: 'назад',
        clicks: 'Щелчки: левый/правый — стиль',
        defaultDevice: 'по умолчанию',
        noWasm: 'Этот браузер не выполняет WebAssembly, поэтому картинку нарисовать нельзя.',
        noWorklet: 'В этом браузере нет AudioWorklet, поэтому звук не попадёт в картинку.',
        refused:
            'Браузеру не разрешено брать звук со входа. Разрешите это в адресной строке и снова нажмите «Старт».',
        noDevice: 'Не найдено ни одного устройства записи звука.',
        noDisplayAudio: 'Этот браузер не умеет передавать звук вкладки или экрана.',
        noSharedAudio: 'В выбранном нет звука: выберите вкладку (или экран) вместе со звуком.',
        ended: 'Захват звука завершён.',
        undecodable: 'Этот файл не удаётся воспроизвести как звук: ',
        pressToStart:
            'Нажмите «Старт» (или любую клавишу), чтобы странице можно было воспроизводить звук.',
        failed: 'Не удалось включить звук: ',
    },
};
const texts = kTexts[navigator.language.toLowerCase().startsWith('ru') ? 'ru' : 'en'];

// The keys of orvanta2-live, by the key's place (so any keyboard layout works), in help order.
const kKeys = [
    {codes: ['ArrowRight', 'KeyN'], names: 'Right N', help: 'nextStyle', act: () => stepStyle(1)},
    {
        codes: ['ArrowLeft', 'KeyB'],
        names: 'Left B',
        help: 'previousStyle',
        act: () => stepStyle(-1)
    },
    {codes: ['ArrowUp', 'KeyS'], names: 'Up S', help: 'nextScheme', act: () => stepScheme(1)},
    {
        codes: ['ArrowDown', 'KeyA'],
        names: 'Down A',
        help: 'previousScheme',
        act: () => stepScheme(-1)
    },
    {
        codes: ['Digit1', 'Digit2', 'Digit3', 'Digit4'],
        names: '1 2 3 4',
        help: 'penKeys',
        act: (code) => choose({penWidth: Number(code.slice(-1))})
    },
    {codes: ['KeyG'], names: 'G', help: 'gridKey', act: () => choose({grid: !choices.grid})},
    {codes: ['KeyC'], names: 'C', help: 'clearKey', act: () => choose({clear: !choices.clear})},
    {codes: ['Space', 'KeyP'], names: 'Space P', help: 'pauseKey', act: () => setPaused(!paused)},
    {codes: ['KeyF', 'F11'], names: 'F F11', help: 'fullScreenKey', act: () => toggleFullScreen()},
    {codes: ['KeyH', 'F1'], names: 'H F1', help: 'helpKey', act: () => showHelp(help.hidden)},
    {codes: ['Escape'], names: 'Escape', help: 'back', act: () => back()},
];

const $ = (id) => document.getElementById(id);
const canvas = $('pane');
const help = $('help');
const status = {
    blocks: 0,
    pictures: 0,
    firstPictureMs: null,
    message: ''
};
window.orvantaStatus = status;  // what the page's tests and measurements read

function say(text) {
    $('message').textContent = text;
    status.message = text;
}

// The choices: the defaults, then what this browser remembers, then the address's query.
const kDefaults = {
    style: 0,
    scheme: 0,
    penWidth: 1,
    grid: false,
    clear: true,
    zoom: 0,
    source: 'mic',
    device: ''
};
const choices = {
    ...kDefaults,
    ...JSON.parse(localStorage.getItem('orvanta2') || '{}')
};
const query = new URLSearchParams(location.search);
for (const [name, value] of Object.entries(kDefaults)) {
    if (!query.has(name)) continue;
    const text = query.get(name);
    choices[name] = typeof value === 'number' ? Number(text) || 0 :
        typeof value === 'boolean'            ? text === '1' || text === 'true' :
                                                text;
}
let engine = null;
let paused = false;
let styleCounter = 0;  // the pane's clicks step a counter of their own, as in the programs

function choose(change) {
    Object.assign(choices, change);
    const {zoom, ...kept} = choices;  // a link's fixed scale is for that visit only
    localStorage.setItem('orvanta2', JSON.stringify(kept));
    showChoices();
}
function selectStyle(style) {
    const scheme = engine._orvStyleScheme(style);
    choose({style, clear: engine._orvStyleClears(style) !== 0, ...(scheme >= 0 ? {scheme} : {})});
}
const wrap = (index, count) => (index % count + count) % count;
function stepStyle(step) { selectStyle(wrap(choices.style + step, engine._orvStyleCount())); }
function stepScheme(step) {
    choose({scheme: wrap(choices.scheme + step, engine._orvSchemeCount())});
}
function setPaused(value) {
    paused = value;
    $('pause').checked = paused;
}
function showHelp(shown) {
    help.hidden = !shown;
    repaint = true;
}
function back() {
    if (!help.hidden) {
        showHelp(false);
    } else if (document.fullscreenElement) {
        document.exitFullscreen();
    }
}
function toggleFullScreen() {
    if (document.fullscreenElement) {
        document.exitFullscreen();
    } else {
        $('stage').requestFullscreen().catch(() => {});
    }
}

function showChoices() {
    $('style').value = choices.style;
    $('scheme').value = choices.scheme;
    $('penWidth').value = choices.penWidth;
    $('grid').checked = choices.grid;
    $('clear').checked = choices.clear;
    $('source').value = choices.source;
    $('deviceLabel').hidden = choices.source !== 'mic';
    repaint = true;
}

function fillList(select, count, name) {
    for (let i = 0; i < count; ++i) {
        select.add(new Option(engine.UTF8ToString(name(i)), i));
    }
}

function setUpControls() {
    for (const element of document.querySelectorAll('[data-text]')) {
        element.textContent = texts[element.dataset.text];
    }
    help.textContent =
        [texts.helpTitle]
            .concat(kKeys.map((k) => `${k.names.padEnd(11)}${texts[k.help]}`), [texts.clicks])
            .join('\n');
    fillList($('style'), engine._orvStyleCount(), engine._orvStyleName);
    fillList($('scheme'), engine._orvSchemeCount(), engine._orvSchemeName);
    $('style').onchange = (e) => selectStyle(Number(e.target.value));
    $('scheme').onchange = (e) => choose({scheme: Number(e.target.value)});
    $('penWidth').onchange = (e) => choose({penWidth: Number(e.target.value)});
    $('grid').onchange = (e) => choose({grid: e.target.checked});
    $('clear').onchange = (e) => choose({clear: e.target.checked});
    $('pause').onchange = (e) => setPaused(e.target.checked);
    $('source').onchange = (e) => choose({source: e.target.value});
    $('device').onchange = (e) => choose({device: e.target.value});
    $('start').onclick = () => start();
    $('stop').onclick = () => stop();
    $('fullScreen').onclick = () => toggleFullScreen();
    $('helpButton').onclick = () => showHelp(help.hidden);
    $('fileInput').onchange = (e) => e.target.files[0] && playFile(e.target.files[0]);
    document.addEventListener('keydown', (event) => {
        if (event.target.tagName === 'SELECT' || event.target.tagName === 'INPUT') return;
        const key = kKeys.find((k) => k.codes.includes(event.code));
        if (!key) return;
        event.preventDefault();
        key.act(event.code);
    });
    canvas.addEventListener('mousedown', (event) => {
        const count = engine._orvStyleCount();
        if (event.button === 0) styleCounter = wrap(styleCounter + 1, count);
        if (event.button === 2) styleCounter = wrap(styleCounter - 1, count);
        selectStyle(styleCounter);
    });
    canvas.addEventListener('contextmenu', (event) => event.preventDefault());
    document.addEventListener('dragover', (event) => {
        event.preventDefault();
        document.body.classList.add('dragging');
    });
    document.addEventListener('dragleave', () => document.body.classList.remove('dragging'));
    document.addEventListener('drop', (event) => {
        event.preventDefault();
        document.body.classList.remove('dragging');
        if (event.dataTransfer.files[0]) playFile(event.dataTransfer.files[0]);
    });
    window.addEventListener('resize', () => place());
    showChoices();
}

// The pane at the largest whole-number scale that fits (or the chosen zoom), in device pixels.
function place() {
    const size = engine._orvPaneSize();
    const ratio = window.devicePixelRatio || 1;
    const stage = $('stage');
    const fits = Math.floor(Math.min(stage.clientWidth, stage.clientHeight) * ratio / size);
    const scale = choices.zoom > 0 ? choices.zoom : Math.max(1, fits);
    canvas.style.width = canvas.style.height = `${size * scale / ratio}px`;
}

// The sound: one audio context while a source runs, its worklet forwarding what it hears.
let sound = null;
let soundAddress = 0;
let soundShape = '';
let repaint = true;

function takeChunk({rate, channels, frames, samples}) {
    if (paused) return;
    const shape = `${rate}/${channels}`;
    if (shape !== soundShape) {
        soundShape = shape;
        soundAddress = engine._orvOpenSound(rate, channels, 1024);
    }
    engine.HEAPF32.set(samples, soundAddress / 4);
    const drawn = engine._orvTakeSound(
        frames, choices.style, choices.scheme, choices.clear ? 1 : 0, choices.penWidth);
    status.blocks += drawn;
    repaint ||= drawn > 0;
}

async function openContext() {
    if (!window.AudioContext || !window.AudioWorkletNode) throw new Error(texts.noWorklet);
    const context = new AudioContext();
    await context.audioWorklet.addModule('sound-worklet.js');
    const forwarder = new AudioWorkletNode(context, 'sound-forwarder');
    forwarder.port.onmessage = (event) => takeChunk(event.data);
    forwarder.connect(context.destination);  // silence, but it keeps the node running
    if (context.state !== 'running') {
        // A context may start a moment later by itself, or only after the user's gesture.
        say(texts.pressToStart);
        context.onstatechange = () => {
            if (context.state === 'running' && status.message === texts.pressToStart) say('');
        };
        const resume = () => context.resume();
        document.addEventListener('keydown', resume, {once: true});
        document.addEventListener('pointerdown', resume, {once: true});
    }
    return {context, forwarder, tracks: [], player: null};
}

function endedByUser() {
    stop();
    say(texts.ended);
}

function listen(stream) {
    sound.tracks = stream.getTracks();
    for (const track of sound.tracks) track.addEventListener('ended', endedByUser);
    sound.context.createMediaStreamSource(stream).connect(sound.forwarder);
}

async function listDevices() {
    const select = $('device');
    const devices = (await navigator.mediaDevices.enumerateDevices())
                        .filter((d) => d.kind === 'audioinput' && d.deviceId !== 'default');
    select.replaceChildren(new Option(texts.defaultDevice, ''));
    for (const d of devices) select.add(new Option(d.label || d.deviceId, d.deviceId));
    select.value = devices.some((d) => d.deviceId === choices.device) ? choices.device : '';
}

async function openMicrophone() {
    const raw = {echoCancellation: false, noiseSuppression: false, autoGainControl: false};
    const device = choices.device ? {deviceId: {exact: choices.device}} : {};
    listen(await navigator.mediaDevices.getUserMedia({audio: {...raw, ...device}}));
    await listDevices();
}

async function openDisplay() {
    if (!navigator.mediaDevices || !navigator.mediaDevices.getDisplayMedia) {
        throw new Error(texts.noDisplayAudio);
    }
    const stream = await navigator.mediaDevices.getDisplayMedia({video: true, audio: true});
    if (stream.getAudioTracks().length === 0) {
        for (const track of stream.getTracks()) track.stop();
        throw new Error(texts.noSharedAudio);
    }
    listen(stream);
}

function explain(error) {
    if (error.name === 'NotAllowedError' || error.name === 'SecurityError') return texts.refused;
    if (error.name === 'NotFoundError' || error.name === 'OverconstrainedError') {
        return texts.noDevice;
    }
    return error.name === 'Error' ? error.message : texts.failed + error.message;
}

async function start() {
    stop();
    if (choices.source === 'file') {
        $('fileInput').click();
        return;
    }
    say('');
    try {
        sound = await openContext();
        await (choices.source === 'tab' ? openDisplay() : openMicrophone());
        $('start').disabled = true;
        $('stop').disabled = false;
    } catch (error) {
        stop();
        say(explain(error));
    }
}

async function playFile(file) {
    stop();
    say('');
    try {
        sound = await openContext();
        const buffer =
            await sound.context.decodeAudioData(await file.arrayBuffer()).catch((error) => {
                throw new Error(texts.undecodable + file.name);
            });
        sound.player = sound.context.createBufferSource();
        sound.player.buffer = buffer;
        sound.player.connect(sound.forwarder);
        sound.player.connect(sound.context.destination);
        sound.player.onended = () => stop();
        sound.player.start();
        $('start').disabled = true;
        $('stop').disabled = false;
    } catch (error) {
        stop();
        say(explain(error));
    }
}

function stop() {
    if (sound) {
        for (const track of sound.tracks) {
            track.removeEventListener('ended', endedByUser);
            track.stop();
        }
        if (sound.player) sound.player.onended = null;
        sound.forwarder.port.onmessage = null;
        sound.context.close();
        sound = null;
        soundShape = '';
    }
    $('start').disabled = false;
    $('stop').disabled = true;
}

// On each animation frame the canvas shows the latest picture, when anything changed.
function showLoop(picture, context) {
    if (repaint) {
        repaint = false;
        const address = engine._orvPixels(choices.grid && help.hidden ? 1 : 0);
        picture.data.set(engine.HEAPU8.subarray(address, address + picture.data.length));
        context.putImageData(picture, 0, 0);
        if (status.firstPictureMs === null && status.blocks > 0) {
            status.firstPictureMs = performance.now();
        }
        ++status.pictures;
    }
    requestAnimationFrame(() => showLoop(picture, context));
}

async function main() {
    if (typeof WebAssembly !== 'object' || typeof createOrvanta !== 'function') {
        say(texts.noWasm);
        return;
    }
    engine = await createOrvanta();
    engine._orvCreatePane();
    const size = engine._orvPaneSize();
    canvas.width = canvas.height = size;
    setUpControls();
    place();
    const context = canvas.getContext('2d');
    showLoop(context.createImageData(size, size), context);
    if (query.get('start') === '1') start();
}

main().catch((error) => say(texts.failed + error.message));
