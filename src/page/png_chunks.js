// The chunks the saved figure adds to the browser's PNG: its true size
// (pHYs) and its text (tEXt, or iTXt beyond Latin-1). A CRC-32 over type and
// data closes each chunk.
// One unit of the page (see page.html.in): takes nothing, gives
// { physicalSize, description, withChunks }.
() => {
  'use strict';

  const DESCRIPTION = 'Description';

  const CRC_TABLE = (() => {
    const table = new Uint32Array(256);
    for (let n = 0; n < 256; ++n) {
      let c = n;
      for (let k = 0; k < 8; ++k) c = c & 1 ? 0xEDB88320 ^ (c >>> 1) : c >>> 1;
      table[n] = c >>> 0;
    }
    return table;
  })();

  function crc32(bytes) {
    let c = 0xFFFFFFFF;
    for (const byte of bytes) c = CRC_TABLE[(c ^ byte) & 0xFF] ^ (c >>> 8);
    return (c ^ 0xFFFFFFFF) >>> 0;
  }

  function chunk(type, data) {
    const bytes = new Uint8Array(12 + data.length);
    const view = new DataView(bytes.buffer);
    view.setUint32(0, data.length);
    for (let i = 0; i < 4; ++i) bytes[4 + i] = type.charCodeAt(i);
    bytes.set(data, 8);
    view.setUint32(8 + data.length, crc32(bytes.subarray(4, 8 + data.length)));
    return bytes;
  }

  // The pixel's true size: pHYs in pixels per metre, both ways.
  function physicalSize(dotsPerMetre) {
    const data = new Uint8Array(9);
    const view = new DataView(data.buffer);
    view.setUint32(0, dotsPerMetre);
    view.setUint32(4, dotsPerMetre);
    data[8] = 1;  // the unit is the metre
    return chunk('pHYs', data);
  }

  // tEXt holds Latin-1 only; a text typed with other letters goes into an
  // iTXt chunk (UTF-8) under the same keyword.
  function description(text) {
    const latin1 = [...text].every((c) => c.codePointAt(0) <= 0xFF);
    if (latin1) {
      const whole = `${DESCRIPTION}\0${text}`;
      return chunk('tEXt', Uint8Array.from(whole, (c) => c.charCodeAt(0)));
    }
    // Keyword, then no compression, no language tag, no translated keyword.
    const head = Uint8Array.from(`${DESCRIPTION}\0\0\0\0\0`, (c) => c.charCodeAt(0));
    const body = new TextEncoder().encode(text);
    const data = new Uint8Array(head.length + body.length);
    data.set(head);
    data.set(body, head.length);
    return chunk('iTXt', data);
  }

  // The browser's PNG with the figure's size and text put in right after
  // IHDR (any of its own pHYs or text chunks left out).
  function withChunks(png, added) {
    const view = new DataView(png.buffer, png.byteOffset, png.byteLength);
    const parts = [png.subarray(0, 8)];
    for (let at = 8; at < png.length;) {
      const end = at + 12 + view.getUint32(at);
      const type = String.fromCharCode(...png.subarray(at + 4, at + 8));
      if (!['pHYs', 'tEXt', 'zTXt', 'iTXt'].includes(type)) parts.push(png.subarray(at, end));
      if (type === 'IHDR') parts.push(...added);
      at = end;
    }
    return new Blob(parts, { type: 'image/png' });
  }

  return { physicalSize, description, withChunks };
}
