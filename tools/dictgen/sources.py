"""The pinned sources: the CMU Pronouncing Dictionary (npm package), the SCOWL word
lists of Debian's wbritish/wbritish-large, and espeak-ng (see espeak.py)."""
import base64
import hashlib
import json
import os
import re
import subprocess
import tarfile

CMU_PACKAGE = 'cmu-pronouncing-dictionary'
CMU_VERSION = '3.0.0'
# The registry's own integrity string for that tarball: a different file (a republished
# version, a tampered mirror) would silently change both dictionaries.
CMU_INTEGRITY = ('sha512-6y5X4OxsYFnHERo6WSVPnLrk53G07MOQ8aUb2z555JgwynpbZsHR0a//'
                 'WdN6DUcmE1j2auTF2TtL4PpoKze8QQ==')

WORD_LISTS = ['/usr/share/dict/british-english', '/usr/share/dict/british-english-large']


def _integrity(path):
    digest = hashlib.sha512(open(path, 'rb').read()).digest()
    return 'sha512-' + base64.b64encode(digest).decode()


def cmu_tarball(cache_dir):
    """Path of the pinned npm tarball, fetched with npm into the cache when missing."""
    os.makedirs(cache_dir, exist_ok=True)
    path = os.path.join(cache_dir, f'{CMU_PACKAGE}-{CMU_VERSION}.tgz')
    if not os.path.exists(path):
        subprocess.run(['npm', 'pack', f'{CMU_PACKAGE}@{CMU_VERSION}', '--pack-destination',
                        cache_dir, '--silent'], check=True, stdout=subprocess.DEVNULL)
    got = _integrity(path)
    if got != CMU_INTEGRITY:
        raise SystemExit(f'{path}: integrity {got} differs from the pinned {CMU_INTEGRITY}')
    return path


_ENTRY = re.compile(r'^\s*"((?:[^"\\]|\\.)*)":\s*"([A-Z0-9 ]+)",?\s*$')


def load_cmu(cache_dir):
    """{headword: [pronunciation, ...]} in the order of the source, each pronunciation a
    list of ARPAbet phones with stress digits; variant keys 'word(2)' join their headword."""
    with tarfile.open(cmu_tarball(cache_dir)) as tar:
        text = tar.extractfile('package/index.js').read().decode('utf-8')
    entries = {}
    for line in text.splitlines():
        m = _ENTRY.match(line)
        if not m:
            continue
        word = json.loads('"' + m.group(1) + '"')
        word = re.sub(r'\(\d+\)$', '', word)
        entries.setdefault(word, []).append(m.group(2).split())
    return entries


def load_word_lists():
    """Lower-cased words of the British word lists, letters and apostrophes only."""
    words = set()
    for path in WORD_LISTS:
        with open(path, encoding='utf-8') as f:
            for line in f:
                w = line.strip().lower()
                if re.fullmatch(r"[a-z]+(?:'[a-z]+)?", w):
                    words.add(w)
    return words
