"""Batch access to espeak-ng's text-to-phoneme translation through its C library, so
that one process translates the whole word list (a process per word would take hours)."""
import ctypes

ESPEAK_LIBRARY = 'libespeak-ng.so.1'
AUDIO_OUTPUT_RETRIEVAL = 1
CHARS_UTF8 = 1
SEPARATOR = '|'


class Espeak:
    def __init__(self, voice):
        lib = ctypes.CDLL(ESPEAK_LIBRARY)
        lib.espeak_Initialize.argtypes = [ctypes.c_int, ctypes.c_int, ctypes.c_char_p, ctypes.c_int]
        lib.espeak_SetVoiceByName.argtypes = [ctypes.c_char_p]
        lib.espeak_TextToPhonemes.restype = ctypes.c_char_p
        lib.espeak_TextToPhonemes.argtypes = [ctypes.POINTER(ctypes.c_char_p), ctypes.c_int,
                                              ctypes.c_int]
        lib.espeak_Info.restype = ctypes.c_char_p
        lib.espeak_Info.argtypes = [ctypes.c_void_p]
        if lib.espeak_Initialize(AUDIO_OUTPUT_RETRIEVAL, 0, None, 0) <= 0:
            raise SystemExit('espeak-ng could not be initialised')
        if lib.espeak_SetVoiceByName(voice.encode()) != 0:
            raise SystemExit(f'espeak-ng has no voice {voice}')
        self.lib = lib
        self.version = lib.espeak_Info(None).decode()

    def phonemes(self, word):
        """espeak's phoneme mnemonics for one word, as a list of tokens (stress marks stay
        attached to the vowel that follows them)."""
        buf = ctypes.c_char_p(word.encode('utf-8'))
        ptr = ctypes.cast(ctypes.pointer(buf), ctypes.POINTER(ctypes.c_char_p))
        tokens = []
        while ptr.contents.value:
            out = self.lib.espeak_TextToPhonemes(ptr, CHARS_UTF8, ord(SEPARATOR) << 8)
            if out:
                tokens += [t for t in out.decode().replace(' ', SEPARATOR).split(SEPARATOR) if t]
        return tokens
