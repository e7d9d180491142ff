// The VS Code side: starts the language server of .ptu scripts with the
// settings of the workspace (the compiler, the include directories).
'use strict';

const path = require('path');
const vscode = require('vscode');
const { LanguageClient, TransportKind } = require('vscode-languageclient/node');

let client;

function activate(context) {
  const server = context.asAbsolutePath(path.join('server', 'server.js'));
  const config = vscode.workspace.getConfiguration('ptu');
  client = new LanguageClient('ptu', 'PTU test scripts',
    { run: { module: server, transport: TransportKind.stdio },
      debug: { module: server, transport: TransportKind.stdio } },
    { documentSelector: [{ scheme: 'file', language: 'ptu' }],
      initializationOptions: {
        compiler: config.get('compiler'),
        includeDirectories: config.get('includeDirectories'),
      } });
  client.start();
}

function deactivate() {
  return client ? client.stop() : undefined;
}

module.exports = { activate, deactivate };
