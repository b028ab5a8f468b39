// SPDX-License-Identifier: GPL-3.0-or-later
// Share links: a program's file bytes in the fragment, "#p=" and base64url (RFC 4648 section 5)
// with the padding optional, then "&n=" and its names file the same way when it has names.

const kShareKey = "p=";
const kNamesKey = "n=";
const kBase64Url = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_";

/** The bytes in base64url without padding. */
function encodeBase64Url(bytes: Uint8Array): string {
    let out = "";
    for (let i = 0; i < bytes.length; i += 3) {
        const n = (bytes[i] << 16) | ((bytes[i + 1] ?? 0) << 8) | (bytes[i + 2] ?? 0);
        const chars = Math.min(4, Math.ceil(((bytes.length - i) * 8) / 6));
        for (let k = 0; k < chars; ++k) {
            out += kBase64Url[(n >> (18 - 6 * k)) & 63];
        }
    }
    return out;
}

/** The bytes of base64url `text` (padding optional), or null when it is not base64url. */
function decodeBase64Url(text: string): Uint8Array | null {
    const body = text.replace(/={1,2}$/, "");
    if (body.length % 4 === 1 || (text.length !== body.length && text.length % 4 !== 0)) {
        return null;
    }
    const out = new Uint8Array(Math.floor((body.length * 6) / 8));
    let bits = 0;
    let value = 0;
    let at = 0;
    for (const c of body) {
        const digit = kBase64Url.indexOf(c);
        if (digit < 0) {
            return null;
        }
        value = ((value << 6) | digit) & 0xffffff;
        bits += 6;
        if (bits >= 8) {
            bits -= 8;
            out[at++] = (value >> bits) & 0xff;
        }
    }
    // The bits left over past the last whole byte must be zero, as an encoder writes them.
    if ((value & ((1 << bits) - 1)) !== 0) {
        return null;
    }
    return out;
}

/** What a share link carries: a program, null when it cannot be read, and its names file. */
interface Shared {
    program: Uint8Array | null;
    /** The names file's bytes; null when the link has none or they cannot be read. */
    names: Uint8Array | null;
}

/** What a fragment shares: undefined when the fragment is no share link. */
function sharedOfFragment(hash: string): Shared | undefined {
    const fragment = hash.startsWith("#") ? hash.slice(1) : hash;
    if (!fragment.startsWith(kShareKey)) {
        return undefined;
    }
    const [program, ...rest] = fragment.split("&");
    const names = rest.find((part) => part.startsWith(kNamesKey));
    return {
        program: decodeBase64Url(program.slice(kShareKey.length)),
        names: names === undefined ? null : decodeBase64Url(names.slice(kNamesKey.length)),
    };
}

/**
 * The program a fragment carries: undefined when the fragment is no share link, null when it
 * is one whose program cannot be read.
 */
function programOfFragment(hash: string): Uint8Array | null | undefined {
    return sharedOfFragment(hash)?.program;
}

/**
 * The link of the program `bytes` and its names file `names` on the page at `base` (its address
 * without a fragment); no names part when the names file is empty.
 */
function shareLink(base: string, bytes: Uint8Array, names: Uint8Array): string {
    const link = base + "#" + kShareKey + encodeBase64Url(bytes);
    return names.length > 0 ? link + "&" + kNamesKey + encodeBase64Url(names) : link;
}
