// Hands the sound, as the audio thread gets it, to the page in chunks of interleaved frames:
// the engine on the page makes it mono, 11025 Hz and 8 bits (this scope cannot load the
// engine's module, whose loader needs fetch and a document). Outputs silence.
const kChunkFrames = 512;  // about 10 ms at 48 kHz: few messages, little delay

class SoundForwarder extends AudioWorkletProcessor {
    constructor() {
        super();
        this.channels = 0;
        this.chunk = null;
        this.filled = 0;
    }

    process(inputs) {
        const input = inputs[0];
        if (input.length === 0) return true;
        if (input.length !== this.channels) {
            this.channels = input.length;
            this.chunk = new Float32Array(kChunkFrames * this.channels);
            this.filled = 0;
        }
        const frames = input[0].length;
        for (let f = 0; f < frames; ++f) {
            for (let c = 0; c < this.channels; ++c) {
                this.chunk[(this.filled + f) * this.channels + c] = input[c][f];
            }
        }
        this.filled += frames;
        if (this.filled + frames > kChunkFrames) {
            this.port.postMessage({
                rate: sampleRate,
                channels: this.channels,
                frames: this.filled,
                samples: this.chunk.slice(0, this.filled * this.channels),
            });
            this.filled = 0;
        }
        return true;
    }
}

registerProcessor('sound-forwarder', SoundForwarder);
