// The language server of .ptu scripts. On opening and on saving a script it
// compiles the script with vexorprepro (messages in the form editors read,
// the symbol table of the C analysis beside them, every output in a
// private directory removed afterwards) and publishes the diagnostics at
// their lines. It completes statement keywords at the start of a line, the
// unit's variables after VAR, ARRAY and STR, their struct members after a
// ".", the unit's functions and variables in a native line, and the stubs
// of the script after STUB.
'use strict';

const { createConnection, ProposedFeatures, TextDocuments, DiagnosticSeverity,
        CompletionItemKind, TextDocumentSyncKind } = require('vscode-languageserver/node');
const { TextDocument } = require('vscode-languageserver-textdocument');
const { execFile } = require('child_process');
const fs = require('fs');
const os = require('os');
const path = require('path');
const { fileURLToPath } = require('url');

const connection = createConnection(ProposedFeatures.all);
const documents = new TextDocuments(TextDocument);

// Statement keywords of both languages.
const keywords = [
  'HEADER', 'BEGIN', 'CONST', 'INITIALIZATION', 'TERMINATION', 'DEFINE STUB',
  'DEFINE STRUCTURE', 'FIELD', 'DECLARE', 'SERVICE', 'SERVICE_TYPE', 'TEST',
  'NEXT_TEST', 'FAMILY', 'ELEMENT', 'VAR', 'ARRAY', 'STR', 'STUB', 'ENVIRONMENT',
  'USE', 'FORMAT', 'COMMENT', 'REQUIREMENT', 'IF', 'ELSE', 'ENDIF', 'SIMUL',
  'ELSE_SIMUL', 'SEQUENCE', 'INCLUDE PTU', 'INCLUDE CODE', 'END SERVICE',
  'END TEST', 'END FAMILY', 'END ELEMENT', 'END ENVIRONMENT', 'END DEFINE',
  'END SIMUL', 'END SEQUENCE', 'END INITIALIZATION', 'END TERMINATION',
  'ENTETE', 'DEBUT', 'INITIALISATION', 'TERMINAISON', 'DEFINIR MUET',
  'DEFINIR STRUCTURE', 'CHAMP', 'TYPE_SERVICE', 'TEST_SUITE', 'FAMILLE', 'TAB',
  'MUET', 'ENVIRONNEMENT', 'UTILISE', 'SI', 'SINON', 'FINSI', 'SINON_SIMUL',
  'FSIMUL', 'INCLURE PTU', 'INCLURE CODE', 'FIN SERVICE', 'FIN TEST',
  'FIN FAMILLE', 'FIN ELEMENT', 'FIN ENVIRONNEMENT', 'FIN DEFINIR',
];

let settings = { compiler: 'vexorprepro', includeDirectories: [], environment: {} };
// What the last compilation of each script learnt of the unit, and the
// functions its headers declare.
const symbols = new Map();
const pendingFunctions = new Map();

connection.onInitialize((params) => {
  const options = params.initializationOptions || {};
  settings = {
    compiler: options.compiler || settings.compiler,
    includeDirectories: options.includeDirectories || [],
    environment: options.environment || {},
  };
  return {
    capabilities: {
      textDocumentSync: { openClose: true, change: TextDocumentSyncKind.Full, save: true },
      completionProvider: { triggerCharacters: [' ', '.'] },
    },
  };
});

// "file:line: severity: text [CODE]", the line possibly followed by a column.
const messageForm = /^(.*?):(\d+):(?:(\d+):)?\s*(fatal error|error|warning|note|info|internal error):\s*(.*?)(?:\s+\[([A-Z0-9_]+)\])?$/;

function severityOf(word) {
  if (word === 'warning') return DiagnosticSeverity.Warning;
  if (word === 'note' || word === 'info') return DiagnosticSeverity.Information;
  return DiagnosticSeverity.Error;
}

// The symbol table listing: "name : type" lines of the global variables;
// in the declared types, "tag : structure {", then one "member type;" line
// per member, then "}".
function readSymbols(text) {
  const variables = [];
  const types = new Map();
  let section = '';
  let current = null;
  for (const line of text.split('\n')) {
    const title = line.match(/^\/\*\s+(Global variables|Declared types|[A-Z][a-z].*?)\s+\*\/$/);
    if (title) { section = title[1]; continue; }
    if (current) {
      if (/^\s*\}/.test(line)) { current = null; continue; }
      const member = line.match(/^\s+([A-Za-z_][A-Za-z0-9_]*)\s+.*;\s*$/);
      if (member) current.push(member[1]);
      continue;
    }
    const entry = line.match(/^([A-Za-z_][A-Za-z0-9_]*)\s+:\s+(.*)$/);
    if (!entry) continue;
    if (section === 'Global variables' && !entry[1].startsWith('_vx_')) {
      variables.push({ name: entry[1], type: entry[2] });
    } else if (section === 'Declared types' && /\{\s*$/.test(entry[2])) {
      current = [];
      types.set(entry[1], current);
    }
  }
  return { variables, types };
}

// The members a "." after the variable offers: those of its structure or
// union when the listing names it, else every member known.
function membersOf(known, variable) {
  const v = known.variables.find((x) => x.name === variable);
  const tag = v && v.type.match(/^(?:structure|union)\s+([A-Za-z_][A-Za-z0-9_]*)/);
  if (tag && known.types.has(tag[1])) return known.types.get(tag[1]);
  return [...new Set([].concat(...known.types.values()))];
}

function compile(document) {
  let file;
  try {
    file = fileURLToPath(document.uri);
  } catch (e) {
    return;
  }
  const work = fs.mkdtempSync(path.join(os.tmpdir(), 'vexor-lsp-'));
  const args = [file, path.join(work, 't.c'), work + '/', '-LANGUAGE=C', '-DIAGNOSTICS=GNU',
                '-SYMBTAB=' + path.join(work, 'symbols.txt')];
  for (const dir of settings.includeDirectories) args.push('-INCL=' + dir);
  const env = Object.assign({}, process.env, settings.environment);
  // The diagnostics are published once the functions are read too, so that
  // a completion after them knows everything of this compilation.
  const functionsRead = readFunctions(document, file);
  execFile(settings.compiler, args, { cwd: path.dirname(file), env }, async (error, stdout, stderr) => {
    const diagnostics = [];
    for (const line of String(stderr).split('\n')) {
      const m = line.match(messageForm);
      if (!m) continue;
      const where = path.resolve(path.dirname(file), m[1]);
      if (where !== file) continue;
      const row = Math.max(0, Number(m[2]) - 1);
      const column = m[3] ? Math.max(0, Number(m[3]) - 1) : 0;
      const text = document.getText({ start: { line: row, character: 0 },
                                       end: { line: row + 1, character: 0 } }).replace(/\r?\n$/, '');
      diagnostics.push({
        range: { start: { line: row, character: column },
                 end: { line: row, character: Math.max(column + 1, text.length) } },
        severity: severityOf(m[4]),
        code: m[6],
        source: 'vexorprepro',
        message: m[5],
      });
    }
    if (error && error.code === 'ENOENT') {
      diagnostics.push({
        range: { start: { line: 0, character: 0 }, end: { line: 0, character: 1 } },
        severity: DiagnosticSeverity.Error, source: 'vexorprepro',
        message: 'vexorprepro not found: ' + settings.compiler,
      });
    }
    try {
      symbols.set(document.uri, readSymbols(fs.readFileSync(path.join(work, 'symbols.txt'), 'utf8')));
    } catch (e) {
      // A run that stopped early wrote no table: the last one stays.
    }
    fs.rmSync(work, { recursive: true, force: true });
    await functionsRead;
    const read = symbols.get(document.uri) || { variables: [], types: new Map() };
    read.functions = pendingFunctions.get(document.uri) || [];
    symbols.set(document.uri, read);
    connection.sendDiagnostics({ uri: document.uri, diagnostics });
  });
}

// The functions the script's headers declare, as vexorstubs (beside the
// compiler) reads them through the same C analysis: "--all" writes a
// prototype line for each.
function readFunctions(document, file) {
  return new Promise((resolve) => readFunctionsThen(document, file, resolve));
}

function readFunctionsThen(document, file, done) {
  const headers = [];
  for (const line of document.getText().split('\n')) {
    const m = line.match(/^\s*##\s*include\s*["<]([^">]+)[">]/);
    if (m) headers.push(m[1]);
  }
  if (headers.length === 0) {
    done();
    return;
  }
  const stubs = path.join(path.dirname(settings.compiler), 'vexorstubs');
  const args = ['--all', '-I', path.dirname(file)];
  for (const dir of settings.includeDirectories) args.push('-I', dir);
  for (const header of headers) args.push('--header', header);
  const env = Object.assign({}, process.env, settings.environment);
  execFile(path.basename(settings.compiler) === settings.compiler ? 'vexorstubs' : stubs, args,
           { cwd: path.dirname(file), env }, (error, stdout) => {
    const functions = [];
    for (const line of String(stdout).split('\n')) {
      const m = line.match(/^#([^#].*?)\b([A-Za-z_][A-Za-z0-9_]*)\s*\((.*)\);$/);
      if (m) {
        functions.push({ name: m[2],
                         detail: (m[1] + m[2] + '(' + m[3] + ')').replace(/\b_(in|out|inout) /g, '') });
      }
    }
    pendingFunctions.set(document.uri, functions);
    done();
  });
}

documents.onDidOpen((event) => compile(event.document));
documents.onDidSave((event) => compile(event.document));

connection.onCompletion((params) => {
  const document = documents.get(params.textDocument.uri);
  if (!document) return [];
  const before = document.getText({ start: { line: params.position.line, character: 0 },
                                    end: params.position });
  const known = symbols.get(params.textDocument.uri) || { variables: [], types: new Map() };
  const dotted = before.match(/^\s*(?:VAR|ARRAY|TAB|STR|STRUCTURE)\s+([A-Za-z_][A-Za-z0-9_]*)(\[[^\]]*\])?\.$/i);
  if (dotted) {
    return membersOf(known, dotted[1]).map((name) => ({ label: name, kind: CompletionItemKind.Field }));
  }
  if (/^\s*(VAR|ARRAY|TAB|STR|STRUCTURE)\s+[A-Za-z0-9_]*$/i.test(before)) {
    return known.variables.map((v) => ({ label: v.name, kind: CompletionItemKind.Variable,
                                         detail: v.type }));
  }
  if (/^\s*(STUB|MUET)\s+[A-Za-z0-9_]*$/i.test(before)) {
    const stubs = new Set();
    let inBlock = false;
    for (const line of document.getText().split('\n')) {
      if (/^\s*(DEFINE\s+STUB|DEFINIR\s+MUET)\b/i.test(line)) inBlock = true;
      else if (/^\s*(END|FIN)\s+(DEFINE|DEFINIR)\b/i.test(line)) inBlock = false;
      else if (inBlock) {
        const m = line.match(/^\s*#.*?([A-Za-z_][A-Za-z0-9_]*)\s*\(/);
        if (m) stubs.add(m[1]);
      }
    }
    return [...stubs].map((name) => ({ label: name, kind: CompletionItemKind.Function }));
  }
  // C code of a native line: the unit's functions and variables.
  if (/^\s*#(?!#)/.test(before)) {
    return (known.functions || []).map((f) => ({ label: f.name, kind: CompletionItemKind.Function,
                                                  detail: f.detail }))
      .concat(known.variables.map((v) => ({ label: v.name, kind: CompletionItemKind.Variable,
                                            detail: v.type })));
  }
  if (/^\s*[A-Za-z_]*$/.test(before)) {
    return keywords.map((k) => ({ label: k, kind: CompletionItemKind.Keyword }));
  }
  return [];
});

documents.listen(connection);
connection.listen();
