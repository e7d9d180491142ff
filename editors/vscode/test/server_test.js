// The language server spoken to over stdio as an editor does: a script with
// a misspelt keyword gets its diagnostic at that line; completion offers the
// unit's variables after "VAR ", a struct variable's members after ".",
// and the unit's functions in a native line, all read by the C analysis.
//   node test/server_test.js <vexorprepro>
'use strict';

const { spawn } = require('child_process');
const fs = require('fs');
const os = require('os');
const path = require('path');
const { pathToFileURL } = require('url');

const compiler = process.argv[2];
if (!compiler) {
  console.error('usage: node test/server_test.js <vexorprepro>');
  process.exit(2);
}

const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'vexor-lsp-test-'));
fs.writeFileSync(path.join(dir, 'meter.h'),
  '#define METER_MAX 100\nstruct reading { int value; int scale; };\n' +
  'extern int meter_level;\nextern struct reading meter_last;\nint meter_read(void);\n');
const script = [
  'HEADER meter, 1.0, , a typo',
  '##include "meter.h"',
  'BEGIN',
  'SERVICE meter_read',
  'TEST t',
  'FAMILY f',
  '  ELEMENT',
  '    VRA meter_level, INIT = 0, EV = 5',
  '    VAR meter_level, INIT = 0, EV = 5',
  '    #meter_level = 5;',
  '  END ELEMENT',
  'END FAMILY',
  'END TEST',
  'END SERVICE',
  '',
].join('\n');
const file = path.join(dir, 'meter.ptu');
fs.writeFileSync(file, script);
const uri = pathToFileURL(file).href;

const server = spawn(process.execPath, [path.join(__dirname, '..', 'server', 'server.js'), '--stdio'],
                     { stdio: ['pipe', 'pipe', 'inherit'] });
let buffer = Buffer.alloc(0);
const waiting = [];
const received = [];
server.stdout.on('data', (chunk) => {
  buffer = Buffer.concat([buffer, chunk]);
  for (;;) {
    const header = buffer.indexOf('\r\n\r\n');
    if (header < 0) return;
    const length = Number(/Content-Length: (\d+)/i.exec(buffer.slice(0, header).toString())[1]);
    if (buffer.length < header + 4 + length) return;
    const message = JSON.parse(buffer.slice(header + 4, header + 4 + length).toString());
    buffer = buffer.slice(header + 4 + length);
    received.push(message);
    for (const w of waiting.slice()) {
      if (w.match(message)) {
        waiting.splice(waiting.indexOf(w), 1);
        w.resolve(message);
      }
    }
  }
});

function send(message) {
  const text = JSON.stringify(Object.assign({ jsonrpc: '2.0' }, message));
  server.stdin.write(`Content-Length: ${Buffer.byteLength(text)}\r\n\r\n${text}`);
}
function expect(match, what) {
  const found = received.find(match);
  if (found) return Promise.resolve(found);
  return new Promise((resolve, reject) => {
    const timer = setTimeout(() => reject(new Error('no ' + what)), 30000);
    waiting.push({ match, resolve: (m) => { clearTimeout(timer); resolve(m); } });
  });
}
let id = 0;
function request(method, params) {
  const mine = ++id;
  send({ id: mine, method, params });
  return expect((m) => m.id === mine, method + ' answer');
}

async function main() {
  await request('initialize', {
    processId: process.pid, rootUri: pathToFileURL(dir).href, capabilities: {},
    initializationOptions: { compiler, environment: { LC_ALL: 'C', LANG: 'C' } },
  });
  send({ method: 'initialized', params: {} });
  send({ method: 'textDocument/didOpen',
         params: { textDocument: { uri, languageId: 'ptu', version: 1, text: script } } });
  const published = await expect((m) => m.method === 'textDocument/publishDiagnostics' &&
                                         m.params.uri === uri, 'diagnostics');
  const typo = published.params.diagnostics.find((d) => d.code === 'STXMETAIN');
  if (!typo || typo.range.start.line !== 7) {
    throw new Error('the misspelt keyword is not reported at its line: ' +
                    JSON.stringify(published.params.diagnostics));
  }
  if (!/VRA/.test(typo.message)) throw new Error('the message does not name it: ' + typo.message);

  const variables = await request('textDocument/completion', {
    textDocument: { uri }, position: { line: 8, character: 8 } });
  const labels = (variables.result || []).map((item) => item.label);
  for (const name of ['meter_level', 'meter_last']) {
    if (!labels.includes(name)) throw new Error(`no ${name} after VAR: ${labels.join(' ')}`);
  }
  // The members of a struct variable, after its name and a ".".
  const edited = script.replace('    VAR meter_level, INIT = 0, EV = 5\n    #', '    VAR meter_last.\n    #');
  send({ method: 'textDocument/didChange',
         params: { textDocument: { uri, version: 2 }, contentChanges: [{ text: edited }] } });
  const members = await request('textDocument/completion', {
    textDocument: { uri }, position: { line: 8, character: 19 } });
  const fields = (members.result || []).map((item) => item.label);
  for (const name of ['value', 'scale']) {
    if (!fields.includes(name)) throw new Error(`no member ${name}: ${fields.join(' ')}`);
  }
  // A native line: the functions the headers declare.
  const calls = await request('textDocument/completion', {
    textDocument: { uri }, position: { line: 9, character: 5 } });
  const call = (calls.result || []).find((item) => item.label === 'meter_read');
  if (!call || call.detail !== 'int meter_read(void)') {
    throw new Error('no meter_read in a native line: ' + JSON.stringify(calls.result));
  }
  const keywords = await request('textDocument/completion', {
    textDocument: { uri }, position: { line: 9, character: 0 } });
  if (!(keywords.result || []).some((item) => item.label === 'END ELEMENT')) {
    throw new Error('no keywords at the start of a line');
  }
  await request('shutdown', null);
  send({ method: 'exit' });
  console.log(`server: diagnostic at line 8 (${typo.code}), ${labels.length} variables offered`);
}

main().then(() => {
  fs.rmSync(dir, { recursive: true, force: true });
  process.exit(0);
}, (e) => {
  console.error(e.message);
  server.kill();
  fs.rmSync(dir, { recursive: true, force: true });
  process.exit(1);
});
